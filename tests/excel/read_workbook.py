#!/usr/bin/env python3
"""Reads a workbook back with xlrd (and, for .xlsx formats, the package's XML) and prints its content
as tab-separated lines for the tests:
  S <sheet> <name> <rows>
  C <sheet> <row> <col> <text|number|bool> <number format> <fill RRGGBB or -> <value>
  W <sheet> <col> <width>
  F <sheet> <row> <col> <formula as xlrd decompiles it>   (.xls only)
Only the first LIMIT rows and the last row of each sheet are printed (LIMIT from argv[2], default all)."""
import struct
import sys
import zipfile
import xml.etree.ElementTree as ET

import xlrd

NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main"}
BUILTIN_FORMATS = {0: "General", 1: "0", 2: "0.00", 49: "@"}


def column_number(ref):
    n = 0
    for ch in ref:
        if ch.isalpha():
            n = n * 26 + ord(ch.upper()) - 64
    return n - 1


def xlsx_styles(path, sheet_count):
    """Per sheet: {(row, col): (format, fill)} and {col: width}, from the package XML."""
    with zipfile.ZipFile(path) as z:
        styles = ET.fromstring(z.read("xl/styles.xml"))
        formats = dict(BUILTIN_FORMATS)
        for f in styles.findall("m:numFmts/m:numFmt", NS):
            formats[int(f.get("numFmtId"))] = f.get("formatCode")
        fills = []
        for fill in styles.findall("m:fills/m:fill", NS):
            fg = fill.find("m:patternFill/m:fgColor", NS)
            pattern = fill.find("m:patternFill", NS).get("patternType")
            fills.append(fg.get("rgb")[-6:] if pattern == "solid" and fg is not None else "-")
        xfs = [(formats.get(int(x.get("numFmtId", 0)), "?"), fills[int(x.get("fillId", 0))])
               for x in styles.findall("m:cellXfs/m:xf", NS)]
        result = []
        for s in range(sheet_count):
            sheet = ET.fromstring(z.read("xl/worksheets/sheet%d.xml" % (s + 1)))
            cells = {}
            for c in sheet.iter("{%s}c" % NS["m"]):
                ref = c.get("r")
                row = int("".join(ch for ch in ref if ch.isdigit())) - 1
                cells[(row, column_number(ref))] = xfs[int(c.get("s", 0))]
            widths = {}
            for col in sheet.findall("m:cols/m:col", NS):
                if col.get("customWidth"):
                    for n in range(int(col.get("min")) - 1, int(col.get("max"))):
                        widths[n] = float(col.get("width"))
            result.append((cells, widths))
        return result


def xls_formulas(book, path):
    """Yields (sheet, row, col, text) for every FORMULA record, decompiled by xlrd."""
    from xlrd import compdoc, formula
    with open(path, "rb") as f:
        stream = compdoc.CompDoc(f.read()).get_named_stream("Workbook")
    sheet = -1
    pos = 0
    while pos + 4 <= len(stream):
        code, length = struct.unpack("<HH", stream[pos:pos + 4])
        body = stream[pos + 4:pos + 4 + length]
        if code == 0x0809 and struct.unpack("<H", body[2:4])[0] == 0x0010:
            sheet += 1
        elif code == 0x0006:
            row, col = struct.unpack("<HH", body[:4])
            size = struct.unpack("<H", body[20:22])[0]
            text = formula.decompile_formula(book, body[22:22 + size], size, formula.FMLA_TYPE_CELL,
                                             browx=row, bcolx=col, r1c1=0)
            yield sheet, row, col, text
        if code == 0 and length == 0:
            break
        pos += 4 + length


def main():
    path = sys.argv[1]
    limit = int(sys.argv[2]) if len(sys.argv) > 2 else None
    xls = path.lower().endswith(".xls")
    book = xlrd.open_workbook(path, formatting_info=xls)
    styles = None if xls else xlsx_styles(path, book.nsheets)
    out = sys.stdout
    for s in range(book.nsheets):
        sheet = book.sheet_by_index(s)
        out.write("S\t%d\t%s\t%d\n" % (s, sheet.name, sheet.nrows))
        rows = range(sheet.nrows)
        if limit is not None and sheet.nrows > limit:
            rows = list(range(limit)) + [sheet.nrows - 1]
        for r in rows:
            for c in range(sheet.ncols):
                cell = sheet.cell(r, c)
                if cell.ctype == xlrd.XL_CELL_TEXT:
                    kind, value = "text", cell.value
                elif cell.ctype == xlrd.XL_CELL_NUMBER:
                    kind, value = "number", repr(cell.value)
                elif cell.ctype == xlrd.XL_CELL_BOOLEAN:
                    kind, value = "bool", str(bool(cell.value))
                else:
                    continue
                if xls:
                    xf = book.xf_list[sheet.cell_xf_index(r, c)]
                    fmt = book.format_map[xf.format_key].format_str
                    fill = "-"
                    if xf.background.fill_pattern == 1:
                        rgb = book.colour_map.get(xf.background.pattern_colour_index)
                        fill = "%02X%02X%02X" % rgb if rgb else "?"
                else:
                    fmt, fill = styles[s][0].get((r, c), ("General", "-"))
                out.write("C\t%d\t%d\t%d\t%s\t%s\t%s\t%s\n" % (s, r, c, kind, fmt, fill, value))
        if xls:
            for c, info in sorted(sheet.colinfo_map.items()):
                out.write("W\t%d\t%d\t%.3f\n" % (s, c, info.width / 256.0))
        else:
            for c, width in sorted(styles[s][1].items()):
                out.write("W\t%d\t%d\t%.3f\n" % (s, c, width))
    if xls:
        for s, r, c, text in xls_formulas(book, path):
            out.write("F\t%d\t%d\t%d\t%s\n" % (s, r, c, text))


if __name__ == "__main__":
    main()
