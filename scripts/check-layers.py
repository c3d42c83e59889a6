#!/usr/bin/env python3
"""The layer check: every #include of src/ points down the folder order, and each library's
includes are exactly the libraries it declares (DEPS for what its headers include, DEPS or
PRIVATE for what only its sources include). Prints each breach; exits 1 when there is one."""
import os
import re
import sys

# Folders from the bottom up. A file may include its own folder and folders of a lower level.
LEVELS = {
    "runtime": 0, "platform": 1, "ui": 2, "state": 3, "datafiles": 4, "simlink": 5, "mainfiles": 6,
    "announce": 7, "callout": 7, "briefing": 8, "viewpoint": 8, "mainwindow": 9,
}
# Folders whose files name no program context.
NO_CONTEXT = {"datafiles"}
CONTEXT_HEADER = re.compile(r"^state/\w+_context\.h$")

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/([^"]+)"', re.M)
LIBRARY = re.compile(r"vx_library\(\s*(\w+)(.*?)\)\s*$", re.S | re.M)


def parse_library(body):
    parts = {"SOURCES": [], "HEADERS": [], "DEPS": [], "PRIVATE": []}
    key = None
    for word in body.split():
        if word in parts:
            key = word
        elif key:
            parts[key].append(word)
    return parts


def main(root):
    src = os.path.join(root, "src")
    libraries = {}  # name -> (folder, parts)
    owner = {}      # "folder/file" -> library
    for folder in sorted(os.listdir(src)):
        cmake = os.path.join(src, folder, "CMakeLists.txt")
        if not os.path.isfile(cmake):
            continue
        text = re.sub(r"#[^\n]*", "", open(cmake, encoding="utf-8").read())
        for m in LIBRARY.finditer(text):
            name, parts = m.group(1), parse_library(m.group(2))
            libraries[name] = (folder, parts)
            for f in parts["SOURCES"] + parts["HEADERS"]:
                owner[f"{folder}/{f}"] = name
                if f.endswith(".cpp"):
                    owner[f"{folder}/{f[:-4]}.h"] = name
    folder_libraries = {}
    for name, (folder, _) in libraries.items():
        folder_libraries.setdefault(folder, []).append(name)

    breaches = []

    def library_of(path):
        if path in owner:
            return owner[path]
        folder = path.split("/")[0]
        names = folder_libraries.get(folder, [])
        return names[0] if len(names) == 1 else None

    used = {name: {"header": set(), "source": set()} for name in libraries}
    for folder in sorted(os.listdir(src)):
        directory = os.path.join(src, folder)
        if not os.path.isdir(directory) or folder not in LEVELS:
            if os.path.isdir(directory):
                breaches.append(f"src/{folder}: a folder the layer order does not know")
            continue
        for file in sorted(os.listdir(directory)):
            if not file.endswith((".h", ".cpp")):
                continue
            path = f"{folder}/{file}"
            lib = library_of(path)
            if lib is None:
                breaches.append(f"src/{path}: belongs to no library (list it under SOURCES or HEADERS)")
                continue
            text = open(os.path.join(directory, file), encoding="utf-8").read()
            for m in INCLUDE.finditer(text):
                target_folder, header = m.group(1), m.group(2)
                target = f"{target_folder}/{header}"
                line = text.count("\n", 0, m.start()) + 1
                where = f"src/{path}:{line}"
                if target_folder not in LEVELS:
                    continue
                if target_folder != folder and LEVELS[target_folder] >= LEVELS[folder]:
                    breaches.append(f"{where}: includes {target}, a folder not below {folder}")
                if folder in NO_CONTEXT and CONTEXT_HEADER.match(target):
                    breaches.append(f"{where}: includes {target}; file layouts name no program context")
                target_lib = library_of(target)
                if target_lib is None:
                    breaches.append(f"{where}: includes {target}, which belongs to no library")
                elif target_lib != lib:
                    used[lib]["header" if file.endswith(".h") else "source"].add(target_lib)

    for name, (folder, parts) in sorted(libraries.items()):
        declared_public = {d for d in parts["DEPS"] if d in libraries}
        declared_private = {d for d in parts["PRIVATE"] if d in libraries}
        declared = declared_public | declared_private
        included = used[name]["header"] | used[name]["source"]
        for dep in sorted(included - declared):
            breaches.append(f"{name} (src/{folder}): includes {dep} but does not declare it")
        for dep in sorted(declared - included):
            breaches.append(f"{name} (src/{folder}): declares {dep} but includes none of its headers")
        for dep in sorted(used[name]["header"] - declared_public):
            breaches.append(f"{name} (src/{folder}): its headers include {dep}, which must be under DEPS")
        for dep in sorted(declared_public - used[name]["header"]):
            if dep in included:
                breaches.append(f"{name} (src/{folder}): only its sources include {dep}: declare it under PRIVATE")

    for b in breaches:
        print(b)
    if breaches:
        print(f"layer check: {len(breaches)} breach(es)")
        return 1
    print(f"layer check: {len(libraries)} libraries, every include points down and is declared")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")))
