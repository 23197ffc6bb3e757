# 5 x 5 grid files: the grid history written, appended and read back.
#written: out.grd again.grd
#program
# no grid yet: the file is not touched
/FWG"out.grd"
# three of the four lines are grids
/FRG"grids.grd"
/FWG"out.grd"
/FAG"out.grd"
# read back newest last: the history now holds nine grids
/FRG"out.grd"
/FWG"again.grd"
