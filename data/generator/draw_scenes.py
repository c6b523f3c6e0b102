#!/usr/bin/env python3
"""Writes one SVG for every picture a story's pages name, at the picture's natural size.

usage: draw_scenes.py STORY.json PICTURES.py OUTDIR

PICTURES.py defines PICTURES, a dict from picture name to a function (w, h) -> list of SVG
items, built from scene_parts. A picture slot of w x h twips shows its bitmap at natural size on a
15-twips-per-pixel screen, so the bitmap is (w / 15) x (h / 15) pixels.
"""

import importlib.util
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import scene_parts  # noqa: E402

TWIPS_PER_PIXEL = 15


def picture_sizes(story):
    """Picture name -> (width, height) in pixels, over all pages; one name, one size."""
    sizes = {}
    for number, page in enumerate(story["pages"], start=1):
        for pic in page["pictures"]:
            size = (pic["width"] // TWIPS_PER_PIXEL, pic["height"] // TWIPS_PER_PIXEL)
            if sizes.setdefault(pic["name"], size) != size:
                sys.exit(f"page {number}: picture {pic['name']} is used at two sizes")
    return sizes


def load_pictures(path):
    spec = importlib.util.spec_from_file_location("story_pictures", path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module.PICTURES


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    story_path, pictures_path, out_dir = sys.argv[1:]
    with open(story_path, encoding="utf-8") as f:
        sizes = picture_sizes(json.load(f))
    drawings = load_pictures(pictures_path)
    missing = sorted(set(sizes) - set(drawings))
    unused = sorted(set(drawings) - set(sizes))
    if missing or unused:
        sys.exit(f"{pictures_path}: no drawing for {missing}; drawings no page uses: {unused}")
    os.makedirs(out_dir, exist_ok=True)
    for old in os.listdir(out_dir):
        if old.endswith(".svg"):
            os.remove(os.path.join(out_dir, old))
    for name, (w, h) in sorted(sizes.items()):
        with open(os.path.join(out_dir, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(scene_parts.svg_document(w, h, drawings[name](w, h)))


if __name__ == "__main__":
    main()
