# Prints the raw bytes of chosen fields of every record of a dBase table, read with
# python3-dbf, so tests can check single bytes (0xBD and 0xAB half signs, "i" marks) without
# trusting the program's own table layer.
# Usage: read_field_bytes.py PATH FIELD...   Output: one line per record, fields joined by "|":
# character fields as the hex of their bytes padded to the field's width, numbers as %g
# (blank numbers empty).
import sys

import dbf

table = dbf.Table(sys.argv[1], codepage='cp1252')
table.open(dbf.READ_ONLY)
out = []
for record in table:
    values = []
    for name in sys.argv[2:]:
        value = record[name.lower()]
        if value is None:
            values.append("")
        elif isinstance(value, (int, float)) and not isinstance(value, bool):
            values.append("%g" % value)
        else:
            width = table.field_info(name.lower()).length
            values.append(str(value).encode('cp1252').ljust(width, b' ').hex())
    out.append("|".join(values))
table.close()
print("\n".join(out))
