# Writes a dBase III table with python3-dbf, as the rating bodies' tools or another program
# would, independently of the program's own table layer.
# Usage: write_table.py PATH "FIELD C(30); ELO N(4,0); ..." "value|value|..." ...
# (values in UTF-8, stored in Windows-1252; empty numbers are 0, dates yyyymmdd or empty)
import datetime
import sys

import dbf

table = dbf.Table(sys.argv[1], sys.argv[2], dbf_type='db3', codepage='cp1252')
table.open(dbf.READ_WRITE)
kinds = [table.field_info(name).field_type for name in table.field_names]
for row in sys.argv[3:]:
    values = []
    for kind, text in zip(kinds, row.split('|')):
        if kind == dbf.FieldType.NUMERIC:
            values.append(int(text or 0))
        elif kind == dbf.FieldType.DATE:
            values.append(datetime.date(int(text[:4]), int(text[4:6]), int(text[6:])) if text else None)
        else:
            values.append(text)
    table.append(tuple(values))
table.close()
