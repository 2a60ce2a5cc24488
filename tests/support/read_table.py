# Prints chosen fields of every record of a dBase table, read with python3-dbf, independently
# of the program's own table layer.
# Usage: read_table.py PATH FIELD...   Output: one line per record, values joined by "|"
# (UTF-8, text right-trimmed, numbers as %g, logicals T/F; blank numbers and logicals, which
# the reader gives as None, empty), then "*" when the record is marked deleted.
import sys

import dbf

sys.stdout.reconfigure(encoding='utf-8')


def text(value):
    if value is None:
        return ""
    if isinstance(value, bool):
        return "T" if value else "F"
    if isinstance(value, (int, float)):
        return "%g" % value
    return str(value).rstrip()


table = dbf.Table(sys.argv[1], codepage='cp1252')
table.open(dbf.READ_ONLY)
for record in table:
    values = [text(record[field.lower()]) for field in sys.argv[2:]]
    print("|".join(values) + ("|*" if dbf.is_deleted(record) else ""))
table.close()
