# Prints NUM, JUG (trimmed), R1J and the deletion mark of every record of a player table,
# read with python3-dbf, independently of the program's own table layer.
# Usage: read_players.py PATH     Output: one "NUM|JUG|R1J|deleted" line per record.
import sys

import dbf

table = dbf.Table(sys.argv[1])
table.open(dbf.READ_ONLY)
for record in table:
    print("%d|%s|%d|%s" % (record.num or 0, record.jug.rstrip(), record.r1j or 0, "*" if dbf.is_deleted(record) else ""))
table.close()
