"""Pictures of "El gato Coco": Coco the cat, Ana and her mother, a bird in a tree, and Papá with a
ladder bringing Coco down."""

from scene_parts import bird, cat, cloud, flower, ground, house, ladder, person, sky, sun, tree

ANA = dict(skin="brown", hair="#2b1a10", style="curly", top="#ff7043", dress=True, shoes="#5e35b1")
MAMA = dict(skin="brown", hair="#2b1a10", style="bun", top="#29b6f6", legs="#6d4c41")
PAPA = dict(skin="brown", hair="#2b1a10", style="short", top="#8bc34a", legs="#455a64")
COCO = dict(coat="#ffa040", stripes="#d2691e")


def garden(w, h, ground_top):
    return [sky(w, h), cloud(w * 0.35, h * 0.12, h * 0.08), sun(w * 0.1, h * 0.13, h * 0.07),
            ground(w, h, ground_top)]


def big_tree(w, h):
    """A tall tree at the right whose crown fills the top right corner."""
    return tree(w * 0.72, h * 0.95, h * 0.85)


def title(w, h):
    items = garden(w, h, h * 0.6) + [flower(w * 0.15, h * 0.95, h * 0.12), flower(w * 0.85, h * 0.93, h * 0.1)]
    items.append(cat(w * 0.5, h * 0.92, h * 0.55, **COCO))
    return items


def home(w, h):
    items = garden(w, h, h * 0.62) + [house(w * 0.05, h * 0.7, h * 0.5)]
    items += [person(w * 0.55, h * 0.97, h * 0.75, arms="down", **MAMA)[0],
              person(w * 0.72, h * 0.97, h * 0.5, arms="out", **ANA)[0], cat(w * 0.88, h * 0.97, h * 0.22, **COCO)]
    return items


def bird_in_tree(w, h):
    items = garden(w, h, h * 0.65) + [big_tree(w, h)]
    items += [bird(w * 0.66, h * 0.34, h * 0.12), cat(w * 0.3, h * 0.95, h * 0.3, **COCO)]
    return items


def climbing(w, h):
    items = garden(w, h, h * 0.65) + [big_tree(w, h)]
    items += [bird(w * 0.66, h * 0.3, h * 0.12), cat(w * 0.72, h * 0.7, h * 0.22, **COCO),
              person(w * 0.3, h * 0.97, h * 0.5, arms="up", **ANA)[0]]
    return items


def flown_away(w, h):
    items = garden(w, h, h * 0.65) + [big_tree(w, h)]
    items += [bird(w * 0.3, h * 0.2, h * 0.12, flying=True), cat(w * 0.7, h * 0.42, h * 0.2, **COCO),
              person(w * 0.25, h * 0.97, h * 0.5, arms="reach", face="oh", **ANA)[0]]
    return items


def ladder_up(w, h):
    items = garden(w, h, h * 0.65) + [big_tree(w, h)]
    items += [ladder(w * 0.55, h * 0.97, h * 0.4, w * 0.07), cat(w * 0.7, h * 0.42, h * 0.2, **COCO),
              person(w * 0.585, h * 0.8, h * 0.55, arms="up", **PAPA)[0],
              person(w * 0.25, h * 0.97, h * 0.5, arms="wave", **ANA)[0]]
    return items


def hug(w, h):
    items = garden(w, h, h * 0.62) + [house(w * 0.68, h * 0.7, h * 0.45)]
    items += [person(w * 0.25, h * 0.97, h * 0.78, arms="wave", **PAPA)[0],
              person(w * 0.45, h * 0.97, h * 0.52, arms="out", **ANA)[0], cat(w * 0.45, h * 0.72, h * 0.2, **COCO),
              bird(w * 0.85, h * 0.2, h * 0.1, flying=True)]
    return items


PICTURES = {"PIC01": title, "PIC02": home, "PIC03": bird_in_tree, "PIC04": climbing,
            "PIC05": flown_away, "PIC06": ladder_up, "PIC07": hug}
