# Writes an FVA rating list (LIC, JUG, ELO) as a dBase III table with python3-dbf, an
# implementation independent of the program's own table layer.
# Usage: write_fva_list.py PATH "LIC|JUG|ELO" ...
import sys

import dbf

path = sys.argv[1]
table = dbf.Table(path, 'LIC C(6); JUG C(30); ELO N(4,0)', dbf_type='db3', codepage='cp1252')
table.open(dbf.READ_WRITE)
for entry in sys.argv[2:]:
    lic, jug, elo = entry.split('|')
    table.append((lic, jug, int(elo)))
table.close()
