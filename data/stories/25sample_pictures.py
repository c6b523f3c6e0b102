"""Pictures of "Sam and the Kite": Sam, Gran and a red and yellow kite on a windy day."""

from scene_parts import (cloud, ground, group, hand_of, house, kite, line, person, sky, sun,
                         tree, flower, path, INK)

SAM = dict(skin="tan", hair="#2b1a10", style="curly", top="#43a047", legs="#1e5aa8")
GRAN = dict(skin="light", hair="#dddddd", style="bun", top="#8e5bd0", dress=True, shoes="#6d4c41")


def grass_and_sky(w, h, ground_top, sun_at=None):
    items = [sky(w, h), cloud(w * 0.3, h * 0.2, h * 0.1), cloud(w * 0.75, h * 0.14, h * 0.08)]
    if sun_at:
        items.append(sun(sun_at[0], sun_at[1], h * 0.08))
    items.append(ground(w, h, ground_top))
    return items


def wind_lines(x, y, s):
    return [path(f"M{x} {y + i * s * 0.4} q{s * 0.5} {-s * 0.2} {s} 0 t{s} 0", stroke="#ffffff", sw=3)
            for i in range(3)]


def title(w, h):
    g = h * 0.8
    items = grass_and_sky(w, h, g, (w * 0.85, h * 0.15))
    sam = person(w * 0.35, h * 0.95, h * 0.55, arms="reach", **SAM)
    items += [sam[0], kite(w * 0.68, h * 0.3, h * 0.3, string_to=hand_of(sam), angle=12),
              flower(w * 0.1, h * 0.9, h * 0.1), flower(w * 0.9, h * 0.93, h * 0.08, "#ffd84a")]
    return items


def new_kite(w, h):
    """Indoors: Sam shows the new kite, its tail along the floor."""
    items = [sky(w, h, "#ffe9c7"), ground(w, h, h * 0.82, "#d9b48a", "#b8895a"),
             path(f"M{w * 0.62} {h * 0.1} h{w * 0.3} v{h * 0.35} h{-w * 0.3} Z", fill="#9fdcff", stroke="#ffffff", sw=6)]
    sam = person(w * 0.3, h * 0.95, h * 0.7, arms="out", **SAM)
    items += [sam[0], kite(w * 0.6, h * 0.45, h * 0.45, tail_to=(w * 0.88, h * 0.92), angle=-10)]
    return items


def ask_gran(w, h):
    items = grass_and_sky(w, h, h * 0.8)
    items += wind_lines(w * 0.55, h * 0.12, w * 0.08)
    items.append(house(w * 0.05, h * 0.8, w * 0.3))
    items.append(tree(w * 0.88, h * 0.82, h * 0.3))
    items.append(person(w * 0.45, h * 0.96, h * 0.62, arms="wave", **SAM)[0])
    items.append(person(w * 0.68, h * 0.96, h * 0.8, arms="down", **GRAN)[0])
    items.append(kite(w * 0.36, h * 0.62, h * 0.22, tail_to=(w * 0.3, h * 0.95)))
    return items


def kite_up(w, h):
    items = grass_and_sky(w, h, h * 0.82, (w * 0.1, h * 0.15))
    items += [tree(w * 0.12, h * 0.85, h * 0.25), tree(w * 0.9, h * 0.84, h * 0.28)]
    sam = person(w * 0.35, h * 0.97, h * 0.5, arms="reach", **SAM)
    items += [sam[0], person(w * 0.2, h * 0.97, h * 0.62, arms="wave", **GRAN)[0],
              kite(w * 0.78, h * 0.22, h * 0.28, string_to=hand_of(sam), angle=20)]
    items += wind_lines(w * 0.45, h * 0.1, w * 0.07)
    return items


def in_the_tree(w, h):
    items = grass_and_sky(w, h, h * 0.82)
    items.append(tree(w * 0.68, h * 0.86, h * 0.42))
    items.append(kite(w * 0.66, h * 0.25, h * 0.22, tail_to=(w * 0.78, h * 0.48), angle=35))
    items.append(person(w * 0.3, h * 0.97, h * 0.55, arms="up", face="oh", **SAM)[0])
    return items


def stick(w, h):
    items = grass_and_sky(w, h, h * 0.82)
    items.append(tree(w * 0.7, h * 0.86, h * 0.42))
    items.append(kite(w * 0.7, h * 0.26, h * 0.22, tail_to=(w * 0.8, h * 0.5), angle=-25))
    gran = person(w * 0.4, h * 0.97, h * 0.72, arms="reach", **GRAN)
    hx, hy = hand_of(gran)
    items += [line(hx - w * 0.05, hy + h * 0.1, w * 0.67, h * 0.37, "#8d5a2b", 5), gran[0],
              person(w * 0.18, h * 0.97, h * 0.52, arms="up", **SAM)[0]]
    return items


def high_again(w, h):
    items = grass_and_sky(w, h, h * 0.82, (w * 0.12, h * 0.16))
    sam = person(w * 0.42, h * 0.97, h * 0.52, arms="reach", **SAM)
    items += [tree(w * 0.92, h * 0.84, h * 0.22), person(w * 0.22, h * 0.97, h * 0.66, arms="out", **GRAN)[0], sam[0],
              kite(w * 0.75, h * 0.18, h * 0.26, string_to=hand_of(sam), angle=15)]
    items += wind_lines(w * 0.3, h * 0.08, w * 0.07)
    return items


PICTURES = {"PIC01": title, "PIC02": new_kite, "PIC03": ask_gran, "PIC04": kite_up,
            "PIC05": in_the_tree, "PIC06": stick, "PIC07": high_again}
