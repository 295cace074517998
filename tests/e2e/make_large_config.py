#!/usr/bin/env python3
"""Writes a configuration file with a personal group of GROUPS groups of SHORTCUTS folder shortcuts each
(99 unless given; with its group, 100 items a group), in the file layout (22 NUL-ended records an item), for
the timing of the Organize window on a large tree.

    make_large_config.py FILE GROUPS [SHORTCUTS]"""
import sys


def item(name, caption, owner, group, path=""):
    fields = ["0", name, caption, "0", owner, "2" if group else "3", "False", "True" if group else "False",
              "MIT_GROUP_GENERAL" if group else "MIT_PATH", "MIT_PATH_SHORTCUT", "3",
              "Group" if group else "Folder Shortcut", path, "", "", "", "", "-1", "",
              "14|3|2026|9|26|53|", "2|11|2026|17|5|0|", ""]
    return "".join(field + "\0" for field in fields)


def main():
    out, groups = sys.argv[1], int(sys.argv[2])
    shortcuts = int(sys.argv[3]) if len(sys.argv) > 3 else 99
    parts = ["[MIT_GROUP_USER:]\0",
             "0\0MIT_GROUP_USER\0Personal\0" "0\0-1\0" "2\0False\0True\0MIT_GROUP_GENERAL\0MIT_PATH_SHORTCUT\0"
             "3\0Personal Group\0\0\0\\Personal\0\\\\\0\0-1\0\0\0\0\0"]
    for g in range(groups):
        parts.append(item(f"G{g}", f"Group {g:03}", "MIT_GROUP_USER", True))
        for s in range(shortcuts):
            parts.append(item(f"S{g}_{s}", f"Folder {g:03}-{s:02}", f"G{g}", False, f"C:\\Data\\Folder {g}-{s}"))
    parts.append("[END:]\0")
    with open(out, "wb") as file:
        file.write("".join(parts).encode("cp1252"))


main()
