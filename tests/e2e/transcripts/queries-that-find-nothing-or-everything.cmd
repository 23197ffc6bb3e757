# Queries that find nothing, everything, or cannot run.
ZZZZ
# no word has 32 tiles
32?
# the wild card alone finds the whole lexicon (44 words)
* /P2
ABCDEFGHIJKLMNOPQRSTUVWXY/B
