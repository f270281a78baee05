#!/usr/bin/env python3
"""gbk_tree.py SOURCE_ROOT TARGET: copies the build files and the portable sources to
TARGET with every .h and .cpp converted from UTF-8 to GB18030 (GBK for the characters
the program uses), for compilers that cannot convert literals themselves (clang)."""
import os
import shutil
import sys

source, target = sys.argv[1], sys.argv[2]
folders = ["base", "app", "search", "capture", "recognition", "http", "json", "bulletin", "skin",
           "fuzz", "tests", "bench", "cmake"]
os.makedirs(target, exist_ok=True)
shutil.copy(os.path.join(source, "CMakeLists.txt"), target)
for folder in folders:
    for directory, _, files in os.walk(os.path.join(source, folder)):
        relative = os.path.relpath(directory, source)
        os.makedirs(os.path.join(target, relative), exist_ok=True)
        for name in files:
            origin = os.path.join(directory, name)
            copy = os.path.join(target, relative, name)
            if name.endswith((".h", ".cpp")):
                text = open(origin, encoding="utf-8").read()
                data = text.encode("gb18030")
                if not os.path.exists(copy) or open(copy, "rb").read() != data:
                    open(copy, "wb").write(data)
            elif not os.path.exists(copy) or os.path.getmtime(copy) < os.path.getmtime(origin):
                shutil.copy2(origin, copy)
