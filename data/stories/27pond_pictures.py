"""Pictures of "Splash!": Ben, Ann and Mum at the pond, with five ducks, a frog and a fish."""

from scene_parts import (cloud, drops, duck, ellipse, fish, flower, frog, ground, group, log, person,
                         pond, rect, sky, splash, sun, tilted, tree)

BEN = dict(skin="light", hair="#f2c94c", style="short", top="#1e88e5", legs="#2e7d32")
ANN = dict(skin="light", hair="#f2c94c", style="pony", top="#ec407a", dress=True, shoes="#7e57c2")
MUM = dict(skin="light", hair="#8d5a2b", style="long", top="#ffa726", legs="#5d4037")


def park(w, h, ground_top):
    return [sky(w, h), cloud(w * 0.3, h * 0.15, h * 0.09), cloud(w * 0.8, h * 0.12, h * 0.08),
            ground(w, h, ground_top)]


def title(w, h):
    items = park(w, h, h * 0.45) + [sun(w * 0.12, h * 0.14, h * 0.07)]
    items += [pond(w * 0.5, h * 0.75, w * 0.45, h * 0.18), splash(w * 0.5, h * 0.68, h * 0.3, "#4fb3ea"),
              duck(w * 0.2, h * 0.8, h * 0.12), duck(w * 0.8, h * 0.78, h * 0.12)]
    return items


def walk(w, h):
    items = park(w, h, h * 0.6) + [tree(w * 0.1, h * 0.65, h * 0.25)]
    items += [pond(w * 0.82, h * 0.75, w * 0.16, h * 0.07),
              person(w * 0.3, h * 0.97, h * 0.78, arms="out", **MUM)[0],
              person(w * 0.46, h * 0.97, h * 0.5, arms="wave", **BEN)[0],
              person(w * 0.16, h * 0.97, h * 0.48, arms="down", **ANN)[0]]
    return items


def ducks(w, h):
    items = park(w, h, h * 0.35)
    items.append(pond(w * 0.5, h * 0.7, w * 0.48, h * 0.26))
    for i, (x, y) in enumerate(((0.15, 0.62), (0.27, 0.72), (0.39, 0.6), (0.5, 0.78), (0.62, 0.66))):
        items.append(duck(w * x, h * y, h * (0.13 if i % 2 else 0.11)))
    items += [log(w * 0.7, h * 0.8, w * 0.22, h * 0.1), frog(w * 0.81, h * 0.72, h * 0.16)]
    return items


def leaning(w, h):
    items = park(w, h, h * 0.35)
    items += [pond(w * 0.62, h * 0.75, w * 0.4, h * 0.22), fish(w * 0.6, h * 0.8, h * 0.12),
              fish(w * 0.8, h * 0.72, h * 0.09, "#ffd84a")]
    ann = person(w * 0.3, h * 0.92, h * 0.6, arms="reach", **ANN)[0]
    items += [person(w * 0.1, h * 0.95, h * 0.5, arms="down", **BEN)[0], tilted(ann, 30, w * 0.3, h * 0.92)]
    return items


def in_the_pond(w, h):
    items = park(w, h, h * 0.3)
    items += [pond(w * 0.5, h * 0.7, w * 0.48, h * 0.28)]
    ann = person(w * 0.45, h * 0.95, h * 0.55, arms="up", face="oh", **ANN)[0]
    # Ann stands in the water: the pond covers her to the waist.
    items += [splash(w * 0.45, h * 0.8, h * 0.3, "#e3f4ff"), ann, ellipse(w * 0.45, h * 0.86, w * 0.2, h * 0.1, "#4fb3ea"),
              duck(w * 0.12, h * 0.7, h * 0.11), duck(w * 0.2, h * 0.82, h * 0.1),
              tilted(frog(w * 0.85, h * 0.5, h * 0.14), -20, w * 0.85, h * 0.5), log(w * 0.72, h * 0.85, w * 0.22, h * 0.09)]
    return items


def pulled_out(w, h):
    items = park(w, h, h * 0.45)
    items += [pond(w * 0.85, h * 0.75, w * 0.2, h * 0.12),
              person(w * 0.25, h * 0.97, h * 0.75, arms="out", **MUM)[0],
              person(w * 0.47, h * 0.97, h * 0.5, arms="out", **ANN)[0],
              drops([(w * 0.42, h * 0.45), (w * 0.52, h * 0.5), (w * 0.45, h * 0.62), (w * 0.5, h * 0.75)], h * 0.02),
              person(w * 0.65, h * 0.97, h * 0.5, arms="out", **BEN)[0]]
    return items


def laugh(w, h):
    items = park(w, h, h * 0.5) + [sun(w * 0.88, h * 0.16, h * 0.07)]
    items += [person(w * 0.2, h * 0.97, h * 0.75, arms="down", **MUM)[0],
              person(w * 0.42, h * 0.97, h * 0.5, arms="out", **ANN)[0],
              person(w * 0.6, h * 0.97, h * 0.5, arms="up", **BEN)[0],
              duck(w * 0.85, h * 0.92, h * 0.14), flower(w * 0.05, h * 0.95, h * 0.1)]
    return items


PICTURES = {"PIC01": title, "PIC02": walk, "PIC03": ducks, "PIC04": leaning,
            "PIC05": in_the_pond, "PIC06": pulled_out, "PIC07": laugh}
