# Random racks; QORA_SEED fixes them, so every run draws the same.
#written: racks.wds
/. 3 > 2
/. 2 > 2 A
/."AEIOU+BCDFGHJKLMNPQRSTVWXYZ?"/. 1 > 2 A
/FW2W"racks.wds"
