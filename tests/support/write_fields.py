# Writes fields of one record of a dBase table with python3-dbf, as another program would,
# independently of the program's own table layer.
# Usage: write_fields.py PATH RECNO FIELD=VALUE...   (RECNO 1-based; numbers for N fields,
# T/F for L fields, text otherwise, given in UTF-8 and stored in Windows-1252)
import sys

import dbf

table = dbf.Table(sys.argv[1], codepage='cp1252')
table.open(dbf.READ_WRITE)
record = table[int(sys.argv[2]) - 1]
with record:
    for assignment in sys.argv[3:]:
        name, value = assignment.split("=", 1)
        kind = table.field_info(name.lower()).field_type
        if kind == dbf.FieldType.NUMERIC:
            record[name.lower()] = int(value)
        elif kind == dbf.FieldType.LOGICAL:
            record[name.lower()] = value == "T"
        else:
            record[name.lower()] = value
table.close()
