"""Pictures of "Pip": a little pup, his boy Tom, a pond and the sun."""

from scene_parts import (cloud, ground, house, motion_lines, mud, person, pond, pup, sky,
                         splash, sun, tilted, tree, flower)

TOM = dict(skin="brown", hair="#1b1b1b", style="short", top="#ffb300", legs="#5d4037")


def garden(w, h, ground_top, sun_r=None):
    items = [sky(w, h), cloud(w * 0.2, h * 0.18, h * 0.09), cloud(w * 0.6, h * 0.12, h * 0.07)]
    if sun_r:
        items.append(sun(w * 0.85, h * 0.2, sun_r))
    items.append(ground(w, h, ground_top))
    return items


def title(w, h):
    items = garden(w, h, h * 0.7, h * 0.09)
    items += [flower(w * 0.12, h * 0.92, h * 0.12), flower(w * 0.85, h * 0.9, h * 0.1, "#ffd84a"),
              pup(w * 0.48, h * 0.9, w * 0.55)]
    return items


def little_pup(w, h):
    items = garden(w, h, h * 0.72, h * 0.08)
    items += [house(w * 0.08, h * 0.74, w * 0.26), tree(w * 0.88, h * 0.76, h * 0.25),
              pup(w * 0.56, h * 0.95, w * 0.42)]
    return items


def run_pip(w, h):
    items = garden(w, h, h * 0.7)
    items += [tree(w * 0.1, h * 0.74, h * 0.22), person(w * 0.25, h * 0.96, h * 0.66, arms="wave", **TOM)[0],
              motion_lines(w * 0.55, h * 0.75, w * 0.08), pup(w * 0.72, h * 0.92, w * 0.3)]
    return items


def dig(w, h):
    items = garden(w, h, h * 0.62, h * 0.08)
    items += [mud(w * 0.74, h * 0.9, w * 0.16, h * 0.06),
              splash(w * 0.76, h * 0.84, h * 0.22, "#8a5a32"),
              pup(w * 0.4, h * 0.92, w * 0.36)]
    return items


def hot_pond(w, h):
    items = garden(w, h, h * 0.5, h * 0.14)
    items += [pond(w * 0.55, h * 0.8, w * 0.34, h * 0.14), splash(w * 0.62, h * 0.76, h * 0.22, "#4fb3ea"),
              tilted(pup(w * 0.4, h * 0.6, w * 0.3), 25, w * 0.4, h * 0.5)]
    return items


def sleep_sun(w, h):
    items = garden(w, h, h * 0.6, h * 0.12)
    items += [flower(w * 0.1, h * 0.95, h * 0.12), flower(w * 0.9, h * 0.95, h * 0.12, "#ffd84a"),
              pup(w * 0.5, h * 0.92, w * 0.42, wet=True, asleep=True)]
    return items


PICTURES = {"PIC01": title, "PIC02": little_pup, "PIC03": run_pip, "PIC04": dig,
            "PIC05": hot_pond, "PIC06": sleep_sun}
