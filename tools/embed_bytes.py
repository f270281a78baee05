#!/usr/bin/env python3
"""embed_bytes.py OUTPUT INPUT SYMBOL [INPUT SYMBOL ...]: writes a C++ file that holds the
bytes of each INPUT as the read-only array SYMBOL, with SYMBOL + "Size" its length."""
import os
import sys

target, pairs = sys.argv[1], sys.argv[2:]
with open(target, "w") as out:
    out.write("// Generated at build time by tools/embed_bytes.py.\n#include <cstddef>\n")
    for source, symbol in zip(pairs[::2], pairs[1::2]):
        data = open(source, "rb").read()
        rows = [", ".join("0x%02X" % b for b in data[i:i + 16]) for i in range(0, len(data), 16)]
        out.write("\n// %s\n" % os.path.basename(source))
        out.write("extern const unsigned char %s[] = {\n    %s};\n" % (symbol, ",\n    ".join(rows)))
        out.write("extern const std::size_t %sSize = sizeof %s;\n" % (symbol, symbol))
