"""Pictures of "Sandcastle": Jack and Lily build a sandcastle, and the sea takes it back."""

from scene_parts import (bucket, cloud, ellipse, flag, path, person, rect, sand, sea, shell, sky, spade,
                         sun, tower)

JACK = dict(skin="brown", hair="#1b1b1b", style="short", top="#ff7043", legs="#1e88e5")
LILY = dict(skin="tan", hair="#3e2723", style="long", top="#ab47bc", legs="#26a69a")
SAND = "#eec170"


def beach(w, h, sea_top, sand_top, sun_at=(0.85, 0.15)):
    items = [sky(w, h), cloud(w * 0.3, h * 0.12, h * 0.08)]
    if sun_at:
        items.append(sun(w * sun_at[0], h * sun_at[1], h * 0.08))
    return items + [sea(w, h * sea_top, h), sand(w, h * sand_top, h)]


def castle(x, bottom, s, gate=True):
    """Three towers joined by a wall, with a gate and shells; s is its width."""
    items = [rect(x - s * 0.45, bottom - s * 0.22, s * 0.9, s * 0.22, SAND, 0, "#b8893a", 2),
             tower(x - s * 0.38, bottom, s * 0.22, s * 0.38), tower(x + s * 0.38, bottom, s * 0.22, s * 0.38),
             tower(x, bottom, s * 0.26, s * 0.5), flag(x, bottom - s * 0.72, s * 0.16)]
    if gate:
        items.append(path(f"M{x - s * 0.06} {bottom} v{-s * 0.1} a{s * 0.06} {s * 0.06} 0 0 1 {s * 0.12} 0 v{s * 0.1} Z",
                          fill="#b8893a"))
    items += [shell(x - s * 0.2, bottom - s * 0.05, s * 0.06), shell(x + s * 0.2, bottom - s * 0.05, s * 0.06, "#ffe0b2")]
    return items


def title(w, h):
    items = beach(w, h, 0.45, 0.62)
    items += castle(w * 0.5, h * 0.88, w * 0.62)
    items += [bucket(w * 0.12, h * 0.95, h * 0.1), spade(w * 0.9, h * 0.95, h * 0.16)]
    return items


def at_the_beach(w, h):
    items = beach(w, h, 0.42, 0.6, (0.5, 0.16))
    items += [person(w * 0.25, h * 0.97, h * 0.55, arms="wave", **JACK)[0],
              person(w * 0.42, h * 0.97, h * 0.55, arms="out", **LILY)[0],
              shell(w * 0.75, h * 0.9, h * 0.06), bucket(w * 0.85, h * 0.95, h * 0.1)]
    return items


def fill_bucket(w, h):
    items = beach(w, h, 0.4, 0.55, None)
    items += [person(w * 0.4, h * 0.97, h * 0.6, arms="reach", **JACK)[0], bucket(w * 0.75, h * 0.95, h * 0.18),
              spade(w * 0.62, h * 0.7, h * 0.2)]
    return items


def tip_out(w, h):
    items = beach(w, h, 0.4, 0.55, None)
    items += [tower(w * 0.65, h * 0.93, h * 0.22, h * 0.26),
              person(w * 0.3, h * 0.97, h * 0.6, arms="reach", **LILY)[0], bucket(w * 0.85, h * 0.95, h * 0.1)]
    return items


def towers(w, h):
    items = beach(w, h, 0.38, 0.55)
    items += castle(w * 0.6, h * 0.92, w * 0.55)
    items += [person(w * 0.15, h * 0.97, h * 0.5, arms="out", **JACK)[0]]
    return items


def best(w, h):
    items = beach(w, h, 0.4, 0.58)
    items += castle(w * 0.35, h * 0.93, w * 0.45)
    items += [person(w * 0.72, h * 0.97, h * 0.6, arms="up", **LILY)[0],
              person(w * 0.87, h * 0.97, h * 0.56, arms="wave", **JACK)[0]]
    return items


def big_wave(w, h):
    items = beach(w, h, 0.32, 0.62, None)
    items += castle(w * 0.55, h * 0.93, w * 0.45)
    wave = (f"M0 {h * 0.55} Q{w * 0.3} {h * 0.35} {w * 0.55} {h * 0.5} Q{w * 0.7} {h * 0.58} {w * 0.62} {h * 0.7} "
            f"Q{w * 0.75} {h * 0.75} {w * 0.85} {h * 0.98} L0 {h} Z")
    items += [path(wave, fill="#3aa0e0", stroke="#ffffff", sw=4),
              ellipse(w * 0.6, h * 0.62, w * 0.03, h * 0.03, "#ffffff"),
              person(w * 0.88, h * 0.97, h * 0.5, arms="up", face="oh", **JACK)[0]]
    return items


def hill(w, h):
    items = beach(w, h, 0.4, 0.55, None)
    items += [ellipse(w * 0.5, h * 0.92, w * 0.32, h * 0.14, SAND, "#b8893a", 2),
              shell(w * 0.4, h * 0.88, h * 0.06), shell(w * 0.6, h * 0.86, h * 0.05, "#ffe0b2"),
              flag(w * 0.5, h * 0.6, h * 0.2)]
    return items


def look_at_lily(w, h):
    items = beach(w, h, 0.4, 0.55, None)
    items += [person(w * 0.3, h * 0.97, h * 0.7, arms="down", face="oh", **JACK)[0],
              person(w * 0.72, h * 0.97, h * 0.7, arms="down", face="oh", **LILY)[0]]
    return items


def tomorrow(w, h):
    items = [sky(w, h, "#ffcc80"), sun(w * 0.5, h * 0.42, h * 0.12, face=True), sea(w, h * 0.45, h, "#4a8fd0"),
             sand(w, h * 0.62, h)]
    items += [person(w * 0.3, h * 0.97, h * 0.55, arms="up", **JACK)[0],
              person(w * 0.7, h * 0.97, h * 0.55, arms="up", **LILY)[0],
              bucket(w * 0.45, h * 0.95, h * 0.1), bucket(w * 0.56, h * 0.95, h * 0.1, "#ffd600"),
              spade(w * 0.88, h * 0.95, h * 0.16)]
    return items


PICTURES = {"PIC01": title, "PIC02": at_the_beach, "PIC03A": fill_bucket, "PIC03B": tip_out, "PIC04": towers,
            "PIC05": best, "PIC06": big_wave, "PIC07A": hill, "PIC07B": look_at_lily, "PIC08": tomorrow}
