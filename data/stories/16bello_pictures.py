"""Pictures of "Wo ist Bello?": Jonas and his dog Bello play hide and seek in the garden and
the house; Bello is found asleep on his cushion."""

from scene_parts import (bed, cloud, cushion, flower, ground, house, person, pup, rect, sky, sun,
                         tree, window)

JONAS = dict(skin="light", hair="#e0a030", style="short", top="#43a047", legs="#1e3a8a")
BELLO = dict(coat="#f5f5f5", patch="#5d4037")
WALL = "#fff3d6"
FLOOR = "#c49a6c"


def garden(w, h, ground_top):
    return [sky(w, h), cloud(w * 0.5, h * 0.13, h * 0.08), sun(w * 0.88, h * 0.14, h * 0.07),
            ground(w, h, ground_top)]


def room(w, h, floor_top):
    return [rect(0, 0, w, h, WALL), rect(0, floor_top, w, h - floor_top, FLOOR),
            window(w * 0.08, h * 0.12, w * 0.2, h * 0.3, outside="#9fdcff")]


def title(w, h):
    items = garden(w, h, h * 0.6) + [tree(w * 0.78, h * 0.9, h * 0.6), flower(w * 0.1, h * 0.95, h * 0.1)]
    items.append(pup(w * 0.42, h * 0.9, h * 0.4, **BELLO))
    return items


def jonas_and_bello(w, h):
    items = garden(w, h, h * 0.6) + [house(w * 0.68, h * 0.7, h * 0.4)]
    items += [person(w * 0.3, h * 0.97, h * 0.55, arms="wave", **JONAS)[0], pup(w * 0.5, h * 0.97, h * 0.3, **BELLO)]
    return items


def playing(w, h):
    items = garden(w, h, h * 0.6) + [tree(w * 0.15, h * 0.75, h * 0.45), flower(w * 0.9, h * 0.95, h * 0.1)]
    items += [person(w * 0.45, h * 0.97, h * 0.55, arms="up", **JONAS)[0], pup(w * 0.68, h * 0.97, h * 0.3, **BELLO)]
    return items


def counting(w, h):
    items = garden(w, h, h * 0.6) + [tree(w * 0.25, h * 0.85, h * 0.6)]
    # Jonas covers his eyes at the tree while Bello runs off to the right.
    items += [person(w * 0.33, h * 0.97, h * 0.55, arms="up", **JONAS)[0], pup(w * 0.8, h * 0.95, h * 0.26, **BELLO)]
    return items


def behind_the_tree(w, h):
    items = garden(w, h, h * 0.6) + [tree(w * 0.7, h * 0.9, h * 0.65)]
    items.append(person(w * 0.3, h * 0.97, h * 0.55, arms="out", face="oh", **JONAS)[0])
    return items


def under_the_bed(w, h):
    items = room(w, h, h * 0.7) + [bed(w * 0.4, h * 0.95, w * 0.5)]
    items.append(person(w * 0.22, h * 0.97, h * 0.55, arms="out", face="oh", **JONAS)[0])
    return items


def found(w, h):
    items = room(w, h, h * 0.65) + [cushion(w * 0.62, h * 0.95, w * 0.3)]
    items += [pup(w * 0.6, h * 0.9, h * 0.28, asleep=True, **BELLO),
              person(w * 0.25, h * 0.97, h * 0.55, arms="up", **JONAS)[0]]
    return items


PICTURES = {"PIC01": title, "PIC02": jonas_and_bello, "PIC03": playing, "PIC04": counting,
            "PIC05": behind_the_tree, "PIC06": under_the_bed, "PIC07": found}
