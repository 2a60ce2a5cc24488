"""Dumps dBase tables with Debian's python3-dbf, an xBase reader independent of ours.

usage: /usr/bin/python3 dump_tables.py FILE...   (any extension: .mod files are copied to a
temporary .dbf name first, because the module insists on that extension)

Output, UTF-8, one line each:
  TABLE <file name>
  FIELD <NAME> <type> <length> <decimals>
  RECORD <values separated by |>   text right-trimmed, numbers as %g, logicals T/F,
                                   dates yyyy-mm-dd or "" when empty
"""
import os
import shutil
import sys
import tempfile

import dbf


def value_text(value):
    if value is None:
        return ""
    if isinstance(value, bool):
        return "T" if value else "F"
    if isinstance(value, (int, float)):
        return "%g" % value
    if isinstance(value, str):
        return value.rstrip()
    return str(value)


def dump(path, scratch):
    copy = os.path.join(scratch, "t.dbf")
    shutil.copyfile(path, copy)
    table = dbf.Table(copy, codepage="cp1252")
    table.open(dbf.READ_ONLY)
    print("TABLE " + os.path.basename(path))
    for name in table.field_names:
        info = table.field_info(name)
        print("FIELD %s %s %d %d" % (name.upper(), chr(info[0]), info[1], info[2]))
    for record in table:
        print("RECORD " + "|".join(value_text(v) for v in record))
    table.close()


def main():
    scratch = tempfile.mkdtemp()
    try:
        for path in sys.argv[1:]:
            dump(path, scratch)
    finally:
        shutil.rmtree(scratch)


main()
