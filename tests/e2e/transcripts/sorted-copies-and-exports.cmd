# Sorted copies and exports follow the last presentation; a plain export
# keeps the slate's own order, the file's.
#written: sorted.wds plain.wds two.wds three.wds
/FR1W"slate.wds"/1R
/KL-A /OR1S /OW80C
/2~W/3W
/FW0~W"sorted.wds"
/FW0W"plain.wds"
/FW2W"two.wds"
/FW3W"three.wds"
