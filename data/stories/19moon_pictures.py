"""Pictures of "Moon": Kim sails a box boat to the moon one night, and is home by morning."""

from scene_parts import (bed, box_boat, circle, cloud, crater, earth, ground, group, moon, night_sky,
                         person, rect, sky, sock, sparkles, star, sun, window)

KIM = dict(skin="dark", hair="#1b1b1b", style="bun", top="#ffca28", legs="#7e57c2", shoes="#e53935")
MUM = dict(skin="dark", hair="#1b1b1b", style="long", top="#26a69a", dress=True, shoes="#6d4c41")
WALL = "#ffe9c7"
FLOOR = "#c49a6c"


def stars(w, h, spots):
    return group([star(w * x, h * y, h * r) for x, y, r in spots])


SKY_STARS = [(0.08, 0.12, 0.03), (0.25, 0.3, 0.025), (0.45, 0.1, 0.03), (0.62, 0.35, 0.02),
             (0.9, 0.5, 0.03), (0.12, 0.55, 0.02), (0.35, 0.62, 0.025)]


def room(w, h, outside):
    return [rect(0, 0, w, h, WALL), rect(0, h * 0.82, w, h * 0.18, FLOOR), window(w * 0.55, h * 0.1, w * 0.35, h * 0.5, outside)]


def in_boat(x, water_y, size, arms):
    """Kim sitting in the box boat, in front of the mast."""
    return [person(x - size * 0.22, water_y - size * 0.05, size * 0.62, arms=arms, **KIM)[0],
            box_boat(x, water_y, size)]


def title(w, h):
    items = [night_sky(w, h), stars(w, h, SKY_STARS), moon(w * 0.62, h * 0.38, h * 0.25)]
    items += in_boat(w * 0.3, h * 0.9, w * 0.4, "wave")
    return items


def at_window(w, h):
    items = room(w, h, "#1d2a5c")
    items += [moon(w * 0.72, h * 0.3, h * 0.1, face=False), star(w * 0.6, h * 0.18, h * 0.025), star(w * 0.84, h * 0.5, h * 0.02),
              person(w * 0.35, h * 0.97, h * 0.62, arms="reach", **KIM)[0]]
    return items


def box(w, h):
    items = room(w, h, "#1d2a5c")
    items += [moon(w * 0.8, h * 0.25, h * 0.08, face=False),
              person(w * 0.25, h * 0.97, h * 0.6, arms="out", **KIM)[0], box_boat(w * 0.55, h * 0.95, w * 0.3)]
    return items


def sailing(w, h):
    items = [night_sky(w, h), stars(w, h, SKY_STARS), moon(w * 0.85, h * 0.2, h * 0.14),
             cloud(w * 0.2, h * 0.78, h * 0.1, "#8e9cc9"), cloud(w * 0.72, h * 0.82, h * 0.12, "#8e9cc9")]
    items += in_boat(w * 0.45, h * 0.62, w * 0.3, "up")
    return items


def on_the_moon(w, h):
    items = [night_sky(w, h), stars(w, h, SKY_STARS), earth(w * 0.82, h * 0.22, h * 0.1),
             ground(w, h, h * 0.68, "#cfcfd8", "#a9a9b8"), crater(w * 0.2, h * 0.86, w * 0.08),
             crater(w * 0.75, h * 0.9, w * 0.1), box_boat(w * 0.85, h * 0.82, w * 0.18)]
    items += [person(w * 0.45, h * 0.78, h * 0.45, arms="up", **KIM)[0], crater(w * 0.45, h * 0.93, w * 0.05)]
    return items


def wave_earth(w, h):
    items = [night_sky(w, h), stars(w, h, SKY_STARS), earth(w * 0.25, h * 0.25, h * 0.13),
             ground(w, h, h * 0.72, "#cfcfd8", "#a9a9b8"), crater(w * 0.3, h * 0.9, w * 0.07)]
    items += in_boat(w * 0.7, h * 0.9, w * 0.36, "wave")
    return items


def morning(w, h):
    items = room(w, h, "#9fdcff")
    items += [sun(w * 0.81, h * 0.2, h * 0.06, face=False), bed(w * 0.04, h * 0.9, w * 0.42),
              person(w * 0.7, h * 0.97, h * 0.8, arms="reach", **MUM)[0]]
    hand_x, hand_y = w * 0.7 + h * 0.8 * 0.32, h * 0.97 - h * 0.8 + h * 0.8 * 0.13 * 2 + h * 0.8 * 0.07 - h * 0.8 * 0.22
    items += [sock(hand_x - h * 0.02, hand_y, h * 0.16),
              sparkles([(hand_x + h * 0.08, hand_y - h * 0.02), (hand_x - h * 0.06, hand_y + h * 0.12),
                        (hand_x + h * 0.1, hand_y + h * 0.15)], h * 0.025, "#ffd84a")]
    return items


PICTURES = {"PIC01": title, "PIC02": at_window, "PIC03": box, "PIC04": sailing,
            "PIC05": on_the_moon, "PIC06": wave_earth, "PIC07": morning}
