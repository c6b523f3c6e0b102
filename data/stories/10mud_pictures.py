"""Pictures of "Mud": Meg and her Dad on a wet day, and a big brown puddle."""

from scene_parts import (circle, cloud, ground, group, house, mud, person, rain, sky, splash, tree)

MEG = dict(skin="light", hair="#e07b2e", style="pony", top="#e53935", legs="#1e5aa8", shoes="#ffd600")
DAD = dict(skin="light", hair="#6b3e1f", style="short", top="#3f7fd0", legs="#37474f", shoes="#2e7d32")
GREY_SKY = "#c7d6e4"


def wet_day(w, h, ground_top, raining=True):
    items = [sky(w, h, GREY_SKY), cloud(w * 0.25, h * 0.12, h * 0.11, "#eef2f6"), cloud(w * 0.7, h * 0.1, h * 0.1, "#eef2f6")]
    if raining:
        items.append(rain(w, h * 0.6))
    items.append(ground(w, h, ground_top, "#8fc96b", "#6aa84f"))
    return items


def muddy(x, feet, height):
    """Mud spots over a person standing at (x, feet)."""
    return group([circle(x + dx * height, feet + dy * height, r * height, "#8a5a32")
                  for dx, dy, r in ((-0.08, -0.45, 0.03), (0.06, -0.3, 0.035), (-0.05, -0.15, 0.03),
                                    (0.09, -0.62, 0.025), (0.0, -0.08, 0.03))])


def meg_in_the_mud(w, h, ground_top, feet, height):
    """Meg jumping into a puddle, the mud flying up."""
    return wet_day(w, h, ground_top, raining=False) + [
        mud(w * 0.5, feet + h * 0.02, w * 0.36, h * 0.1), splash(w * 0.5, feet - h * 0.04, h * 0.2, "#8a5a32"),
        person(w * 0.5, feet, height, arms="up", **MEG)[0]]


def title(w, h):
    return meg_in_the_mud(w, h, h * 0.6, h * 0.84, h * 0.55) + [
        person(w * 0.88, h * 0.72, h * 0.4, arms="wave", **DAD)[0]]


def go_out(w, h):
    items = wet_day(w, h, h * 0.75)
    items += [house(w * 0.05, h * 0.78, w * 0.3), tree(w * 0.9, h * 0.78, h * 0.22),
              person(w * 0.55, h * 0.97, h * 0.75, arms="down", **DAD)[0],
              person(w * 0.7, h * 0.97, h * 0.48, arms="wave", **MEG)[0]]
    return items


def look(w, h):
    items = wet_day(w, h, h * 0.55, raining=False)
    items += [mud(w * 0.6, h * 0.82, w * 0.3, h * 0.1), person(w * 0.2, h * 0.97, h * 0.55, arms="out", **MEG)[0]]
    return items


def meg_jumps(w, h):
    return meg_in_the_mud(w, h, h * 0.55, h * 0.78, h * 0.5)


def dad_jumps(w, h):
    items = wet_day(w, h, h * 0.5, raining=False)
    items += [mud(w * 0.5, h * 0.87, w * 0.42, h * 0.1),
              splash(w * 0.35, h * 0.82, h * 0.18, "#8a5a32"), splash(w * 0.68, h * 0.82, h * 0.14, "#8a5a32"),
              person(w * 0.35, h * 0.8, h * 0.72, arms="up", **DAD)[0], muddy(w * 0.35, h * 0.8, h * 0.72),
              person(w * 0.68, h * 0.86, h * 0.48, arms="out", **MEG)[0], muddy(w * 0.68, h * 0.86, h * 0.48)]
    return items


def home_now(w, h):
    items = wet_day(w, h, h * 0.72)
    items += [house(w * 0.6, h * 0.76, w * 0.32),
              person(w * 0.3, h * 0.97, h * 0.72, arms="down", **DAD)[0], muddy(w * 0.3, h * 0.97, h * 0.72),
              person(w * 0.45, h * 0.97, h * 0.48, arms="wave", **MEG)[0], muddy(w * 0.45, h * 0.97, h * 0.48)]
    return items


PICTURES = {"PIC01": title, "PIC02": go_out, "PIC03": look, "PIC04": meg_jumps,
            "PIC05": dad_jumps, "PIC06": home_now}
