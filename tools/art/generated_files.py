"""Writes generated files into the source tree, or checks that the committed
ones are what the generator makes (the build never runs a generator)."""

import os

from imaging import png_pixels


def same(path, old, new):
    """PNGs compare by their pixels: another zlib may pack them differently."""
    if path.endswith(".png"):
        return png_pixels(old) == png_pixels(new)
    return old == new


def write_or_check(root, files, check):
    """files: {path relative to root: bytes}. Writes the ones that differ, or
    with check only lists them. Returns the differing paths."""
    differ = []
    for path, data in sorted(files.items()):
        full = os.path.join(root, path)
        old = None
        if os.path.exists(full):
            with open(full, "rb") as f:
                old = f.read()
        if old is not None and same(path, old, data):
            continue
        differ.append(path)
        if check:
            continue
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)
    if check:
        for path in differ:
            print("differs from the generator: " + path)
    return differ
