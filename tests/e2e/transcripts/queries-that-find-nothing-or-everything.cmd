# Queries that find nothing or everything.
ZZZZ
# no word has 32 tiles
32?
# the wild card alone finds the whole lexicon (44 words)
* /P2
