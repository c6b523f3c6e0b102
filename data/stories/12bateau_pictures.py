"""Pictures of "Le petit bateau": Léa sails her toy boat at the beach, the wind takes it and Papa
swims out and brings it back."""

from scene_parts import box_boat, cloud, motion_lines, person, sand, sea, shell, sky, sun

LEA = dict(skin="tan", hair="#3b2314", style="pony", top="#ffca28", dress=True, shoes="#e53935")
PAPA = dict(skin="tan", hair="#3b2314", style="short", top="#26a69a", legs="#1565c0")
MAMAN = dict(skin="tan", hair="#6d3b1a", style="long", top="#ab47bc", legs="#37474f")
BOAT = "#e53935"  # red, with its white sail: the boat of the text


def beach(w, h, sea_top, sand_top, wind=False):
    items = [sky(w, h), cloud(w * 0.25, h * 0.14, h * 0.08), sea(w, sea_top, h), sand(w, sand_top, h)]
    if not wind:
        items.append(sun(w * 0.88, h * 0.15, h * 0.08))
    return items


def boat(x, water_y, s):
    return box_boat(x, water_y, s, BOAT)


def title(w, h):
    items = beach(w, h, h * 0.45, h * 0.8)
    items += [boat(w * 0.5, h * 0.68, h * 0.35), shell(w * 0.2, h * 0.93, h * 0.06), shell(w * 0.8, h * 0.9, h * 0.05)]
    return items


def lea_and_boat(w, h):
    items = beach(w, h, h * 0.5, h * 0.62)
    items += [person(w * 0.35, h * 0.96, h * 0.55, arms="out", **LEA)[0], boat(w * 0.58, h * 0.92, h * 0.28)]
    return items


def to_the_beach(w, h):
    items = beach(w, h, h * 0.45, h * 0.6)
    items += [person(w * 0.25, h * 0.97, h * 0.78, arms="down", **PAPA)[0],
              person(w * 0.42, h * 0.97, h * 0.5, arms="wave", **LEA)[0],
              person(w * 0.6, h * 0.97, h * 0.74, arms="down", **MAMAN)[0],
              boat(w * 0.42, h * 0.75, h * 0.12), shell(w * 0.85, h * 0.92, h * 0.05)]
    return items


def floating(w, h):
    items = beach(w, h, h * 0.4, h * 0.78)
    items += [boat(w * 0.55, h * 0.62, h * 0.3), motion_lines(w * 0.43, h * 0.5, h * 0.1),
              person(w * 0.15, h * 0.99, h * 0.45, arms="up", **LEA)[0]]
    return items


def blown_away(w, h):
    items = beach(w, h, h * 0.4, h * 0.78, wind=True)
    items += [cloud(w * 0.7, h * 0.12, h * 0.1), boat(w * 0.78, h * 0.5, h * 0.16),
              motion_lines(w * 0.62, h * 0.28, h * 0.14), motion_lines(w * 0.4, h * 0.45, h * 0.14),
              person(w * 0.18, h * 0.99, h * 0.45, arms="reach", face="oh", **LEA)[0]]
    return items


def swimming(w, h):
    items = beach(w, h, h * 0.3, h * 0.85)
    # Papa swims: only his head and one raised arm show above the water.
    swimmer = person(w * 0.55, h * 0.9, h * 0.6, arms="reach", **PAPA)[0]
    items += [swimmer, sea(w, h * 0.56, h), boat(w * 0.78, h * 0.58, h * 0.18),
              person(w * 0.12, h * 0.99, h * 0.4, arms="wave", **LEA)[0]]
    return items


def thank_you(w, h):
    items = beach(w, h, h * 0.42, h * 0.6)
    items += [person(w * 0.3, h * 0.97, h * 0.78, arms="out", **PAPA)[0],
              person(w * 0.5, h * 0.97, h * 0.5, arms="up", **LEA)[0],
              boat(w * 0.68, h * 0.95, h * 0.2), person(w * 0.85, h * 0.97, h * 0.74, arms="wave", **MAMAN)[0]]
    return items


PICTURES = {"PIC01": title, "PIC02": lea_and_boat, "PIC03": to_the_beach, "PIC04": floating,
            "PIC05": blown_away, "PIC06": swimming, "PIC07": thank_you}
