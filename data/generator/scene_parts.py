"""Shapes the story pictures are made of: sky, ground, people, animals and things.

Every function returns SVG markup as a string. Positions are in the pixels of the picture being
drawn; people and animals stand with their feet at the y they are given. Colours are flat (no
gradients), so each picture keeps to a few colours and fits a 256-colour palette cleanly.
"""

import math

INK = "#3a2a20"  # outlines: a soft dark brown reads friendlier than black


def f(v):
    """A number written briefly."""
    return f"{v:.1f}".rstrip("0").rstrip(".")


def rect(x, y, w, h, fill, rx=0, stroke=None, sw=0):
    s = f' stroke="{stroke}" stroke-width="{f(sw)}"' if stroke else ""
    return f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}" rx="{f(rx)}" fill="{fill}"{s}/>'


def circle(cx, cy, r, fill, stroke=None, sw=0):
    s = f' stroke="{stroke}" stroke-width="{f(sw)}"' if stroke else ""
    return f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{fill}"{s}/>'


def ellipse(cx, cy, rx, ry, fill, stroke=None, sw=0):
    s = f' stroke="{stroke}" stroke-width="{f(sw)}"' if stroke else ""
    return f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" fill="{fill}"{s}/>'


def path(d, fill="none", stroke=None, sw=0, cap="round"):
    s = f' stroke="{stroke}" stroke-width="{f(sw)}" stroke-linecap="{cap}" stroke-linejoin="round"' if stroke else ""
    return f'<path d="{d}" fill="{fill}"{s}/>'


def line(x1, y1, x2, y2, stroke, sw):
    return path(f"M{f(x1)} {f(y1)} L{f(x2)} {f(y2)}", stroke=stroke, sw=sw)


def polygon(points, fill, stroke=None, sw=0):
    pts = " ".join(f"{f(x)},{f(y)}" for x, y in points)
    s = f' stroke="{stroke}" stroke-width="{f(sw)}" stroke-linejoin="round"' if stroke else ""
    return f'<polygon points="{pts}" fill="{fill}"{s}/>'


def group(items, transform=None):
    t = f' transform="{transform}"' if transform else ""
    return f"<g{t}>" + "".join(items) + "</g>"


def mirrored(items, cx):
    """The items flipped left to right about the vertical line x = cx."""
    return group(items, f"translate({f(2 * cx)} 0) scale(-1 1)")


# Backgrounds -------------------------------------------------------------------------------------

def sky(w, h, colour="#9fdcff"):
    return rect(0, 0, w, h, colour)


def ground(w, h, top, colour="#7fd36b", edge="#5cb84a"):
    """Gently rolling ground from y = top down to the bottom."""
    d = f"M0 {f(top)} Q{f(w * 0.25)} {f(top - 10)} {f(w * 0.5)} {f(top)} T{f(w)} {f(top)} L{f(w)} {f(h)} L0 {f(h)} Z"
    return path(d, fill=colour, stroke=edge, sw=3)


def sun(cx, cy, r, face=True):
    items = []
    for i in range(12):
        a = i * math.pi / 6
        items.append(line(cx + math.cos(a) * r * 1.25, cy + math.sin(a) * r * 1.25,
                          cx + math.cos(a) * r * 1.6, cy + math.sin(a) * r * 1.6, "#ffb300", r * 0.16))
    items.append(circle(cx, cy, r, "#ffd84a", "#ffb300", r * 0.1))
    if face:
        items.append(circle(cx - r * 0.33, cy - r * 0.15, r * 0.09, INK))
        items.append(circle(cx + r * 0.33, cy - r * 0.15, r * 0.09, INK))
        items.append(path(f"M{f(cx - r * 0.4)} {f(cy + r * 0.2)} Q{f(cx)} {f(cy + r * 0.6)} {f(cx + r * 0.4)} {f(cy + r * 0.2)}",
                          stroke=INK, sw=r * 0.08))
    return group(items)


def cloud(cx, cy, s, colour="#ffffff"):
    return group([ellipse(cx - s * 0.5, cy + s * 0.1, s * 0.5, s * 0.35, colour),
                  ellipse(cx + s * 0.5, cy + s * 0.1, s * 0.5, s * 0.35, colour),
                  ellipse(cx, cy - s * 0.1, s * 0.6, s * 0.45, colour)])


def tree(x, ground_y, s, leaves="#3fae4a"):
    return group([rect(x - s * 0.12, ground_y - s * 1.1, s * 0.24, s * 1.1, "#9a6a3a", 3, INK, 2),
                  circle(x - s * 0.35, ground_y - s * 1.2, s * 0.45, leaves, INK, 2),
                  circle(x + s * 0.35, ground_y - s * 1.2, s * 0.45, leaves, INK, 2),
                  circle(x, ground_y - s * 1.6, s * 0.55, leaves, INK, 2),
                  circle(x - s * 0.1, ground_y - s * 1.45, s * 0.45, leaves)])


def flower(x, ground_y, s, petals="#ff6fa8"):
    items = [line(x, ground_y, x, ground_y - s, "#3c9a3c", s * 0.12)]
    for i in range(5):
        a = i * 2 * math.pi / 5
        items.append(circle(x + math.cos(a) * s * 0.25, ground_y - s + math.sin(a) * s * 0.25, s * 0.2, petals))
    items.append(circle(x, ground_y - s, s * 0.15, "#ffd84a"))
    return group(items)


def house(x, ground_y, s, wall="#ffe2a8", roof="#e0584a", door="#5a8fe0"):
    """A house s wide, its left wall at x."""
    h = s * 0.75
    return group([
        rect(x, ground_y - h, s, h, wall, 0, INK, 2),
        polygon([(x - s * 0.1, ground_y - h), (x + s * 0.5, ground_y - h - s * 0.5), (x + s * 1.1, ground_y - h)], roof, INK, 2),
        rect(x + s * 0.4, ground_y - h * 0.55, s * 0.2, h * 0.55, door, 2, INK, 2),
        rect(x + s * 0.1, ground_y - h * 0.8, s * 0.2, s * 0.18, "#bfe8ff", 2, INK, 2),
        rect(x + s * 0.7, ground_y - h * 0.8, s * 0.2, s * 0.18, "#bfe8ff", 2, INK, 2),
    ])


def pond(cx, cy, rx, ry, water="#4fb3ea"):
    return group([ellipse(cx, cy, rx, ry, water, "#2f86c0", 3),
                  path(f"M{f(cx - rx * 0.5)} {f(cy - ry * 0.2)} q{f(rx * 0.1)} {f(-ry * 0.15)} {f(rx * 0.2)} 0",
                       stroke="#bfe8ff", sw=2),
                  path(f"M{f(cx + rx * 0.2)} {f(cy + ry * 0.3)} q{f(rx * 0.1)} {f(-ry * 0.15)} {f(rx * 0.2)} 0",
                       stroke="#bfe8ff", sw=2)])


def night_sky(w, h):
    return rect(0, 0, w, h, "#1d2a5c")


def star(cx, cy, r, colour="#fff3a0"):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    return polygon(pts, colour)


def moon(cx, cy, r, face=True):
    items = [circle(cx, cy, r, "#fff6c8", "#e8d68a", r * 0.06),
             circle(cx - r * 0.4, cy + r * 0.35, r * 0.15, "#f0e2a0"),
             circle(cx + r * 0.35, cy - r * 0.45, r * 0.12, "#f0e2a0")]
    if face:
        items += [circle(cx - r * 0.3, cy - r * 0.1, r * 0.07, INK), circle(cx + r * 0.3, cy - r * 0.1, r * 0.07, INK),
                  path(f"M{f(cx - r * 0.3)} {f(cy + r * 0.2)} Q{f(cx)} {f(cy + r * 0.45)} {f(cx + r * 0.3)} {f(cy + r * 0.2)}",
                       stroke=INK, sw=r * 0.06)]
    return group(items)


def sea(w, top, h, colour="#3aa0e0"):
    d = f"M0 {f(top)}"
    n = 8
    for i in range(n):
        x0 = w * i / n
        d += f" Q{f(x0 + w / n / 2)} {f(top - 8)} {f(x0 + w / n)} {f(top)}"
    d += f" L{f(w)} {f(h)} L0 {f(h)} Z"
    return path(d, fill=colour, stroke="#2378b8", sw=2)


def sand(w, top, h, colour="#f6d98b"):
    return path(f"M0 {f(top)} Q{f(w * 0.5)} {f(top - 12)} {f(w)} {f(top)} L{f(w)} {f(h)} L0 {f(h)} Z",
                fill=colour, stroke="#e0b860", sw=2)


def mud(cx, cy, rx, ry, colour="#8a5a32"):
    d = (f"M{f(cx - rx)} {f(cy)} Q{f(cx - rx)} {f(cy - ry)} {f(cx - rx * 0.4)} {f(cy - ry * 0.9)}"
         f" Q{f(cx)} {f(cy - ry * 1.3)} {f(cx + rx * 0.5)} {f(cy - ry * 0.9)} Q{f(cx + rx)} {f(cy - ry)} {f(cx + rx)} {f(cy)}"
         f" Q{f(cx + rx)} {f(cy + ry)} {f(cx)} {f(cy + ry)} Q{f(cx - rx)} {f(cy + ry)} {f(cx - rx)} {f(cy)} Z")
    return path(d, fill=colour, stroke="#5e3a1c", sw=2)


def splash(cx, cy, s, colour):
    """Drops flying up and out from (cx, cy)."""
    items = []
    for dx, dy, r in ((-1.0, -0.6, 0.12), (-0.6, -1.0, 0.1), (0, -1.2, 0.13), (0.6, -1.0, 0.1), (1.0, -0.6, 0.12),
                      (-1.3, -0.1, 0.08), (1.3, -0.1, 0.08)):
        items.append(ellipse(cx + dx * s, cy + dy * s, r * s, r * s * 1.3, colour))
    return group(items)


# People ------------------------------------------------------------------------------------------

SKINS = {"light": "#ffd9b8", "tan": "#e8b48a", "brown": "#b57a4c", "dark": "#7a4a2c"}


def person(x, feet, height, skin="light", hair="#6b3e1f", style="short", top="#ff6f61",
           legs="#3f6fd0", dress=False, arms="down", shoes="#3a2a20", grey=False, face="happy"):
    """A friendly person standing with feet at (x, feet), 'height' pixels tall.

    arms: "down", "up" (both raised), "wave" (right arm raised), "out" (both sideways),
    "reach" (right arm forward and up, for holding a string or a stick).
    """
    s = height
    skin_c = SKINS.get(skin, skin)
    head_r = s * 0.13
    head_y = feet - s + head_r
    neck_y = head_y + head_r
    body_top = neck_y + s * 0.02
    body_h = s * 0.34
    hip = body_top + body_h
    items = []
    # legs and shoes
    leg_w = s * 0.075
    for side in (-1, 1):
        lx = x + side * s * 0.07
        items.append(line(lx, hip - 2, lx, feet - s * 0.04, legs if not dress else skin_c, leg_w))
        items.append(ellipse(lx + side * s * 0.02, feet - s * 0.03, s * 0.065, s * 0.035, shoes))
    # arms
    arm_w = s * 0.065
    sh_y = body_top + s * 0.05
    hands = []
    for side in (-1, 1):
        sx = x + side * s * 0.12
        if arms == "up" or (arms in ("wave", "reach") and side == 1):
            if arms == "reach":
                hx, hy = sx + side * s * 0.2, sh_y - s * 0.22
            else:
                hx, hy = sx + side * s * 0.12, sh_y - s * 0.28
        elif arms == "out":
            hx, hy = sx + side * s * 0.28, sh_y - s * 0.05
        else:
            hx, hy = sx + side * s * 0.08, sh_y + s * 0.26
        items.append(line(sx, sh_y, hx, hy, top, arm_w))
        hands.append((hx, hy))
    # body
    if dress:
        items.append(polygon([(x - s * 0.12, body_top), (x + s * 0.12, body_top), (x + s * 0.2, hip + s * 0.08),
                              (x - s * 0.2, hip + s * 0.08)], top, INK, 1.5))
    else:
        items.append(rect(x - s * 0.13, body_top, s * 0.26, body_h, top, s * 0.06, INK, 1.5))
    for hx, hy in hands:
        items.append(circle(hx, hy, s * 0.04, skin_c))
    items.append(rect(x - s * 0.035, neck_y - 2, s * 0.07, s * 0.05, skin_c))
    # hair behind the head
    hair_c = "#c9c9c9" if grey else hair
    if style == "long":
        items.append(rect(x - head_r * 1.15, head_y - head_r * 0.6, head_r * 2.3, head_r * 1.45, hair_c, head_r * 0.5))
    if style == "pony":
        items.append(ellipse(x + head_r * 1.15, head_y + head_r * 0.1, head_r * 0.35, head_r * 0.75, hair_c))
    # head and face
    items.append(circle(x, head_y, head_r, skin_c, INK, 1.5))
    items.append(circle(x - head_r * 0.38, head_y + head_r * 0.02, head_r * 0.11, INK))
    items.append(circle(x + head_r * 0.38, head_y + head_r * 0.02, head_r * 0.11, INK))
    items.append(circle(x - head_r * 0.55, head_y + head_r * 0.35, head_r * 0.14, "#ff9e9e"))
    items.append(circle(x + head_r * 0.55, head_y + head_r * 0.35, head_r * 0.14, "#ff9e9e"))
    if face == "happy":
        items.append(path(f"M{f(x - head_r * 0.35)} {f(head_y + head_r * 0.35)} Q{f(x)} {f(head_y + head_r * 0.75)} "
                          f"{f(x + head_r * 0.35)} {f(head_y + head_r * 0.35)}", stroke=INK, sw=head_r * 0.12))
    else:  # "oh": a round open mouth
        items.append(ellipse(x, head_y + head_r * 0.5, head_r * 0.16, head_r * 0.2, INK))
    # hair on top
    if style == "bun":
        items.append(circle(x, head_y - head_r * 1.05, head_r * 0.45, hair_c))
    if style == "curly":
        for i in range(7):
            a = math.pi + i * math.pi / 6
            items.append(circle(x + math.cos(a) * head_r * 0.95, head_y + math.sin(a) * head_r * 0.95, head_r * 0.38, hair_c))
    elif style != "bald":
        items.append(path(f"M{f(x - head_r * 1.02)} {f(head_y + head_r * 0.05)} A{f(head_r)} {f(head_r)} 0 0 1 "
                          f"{f(x + head_r * 1.02)} {f(head_y + head_r * 0.05)} Q{f(x + head_r * 0.3)} {f(head_y - head_r * 0.5)} "
                          f"{f(x - head_r * 1.02)} {f(head_y + head_r * 0.05)} Z", fill=hair_c))
    return group(items), hands


def hand_of(person_result, side="right"):
    """Where a person's hand is: (x, y)."""
    return person_result[1][1 if side == "right" else 0]


# Animals -----------------------------------------------------------------------------------------

def pup(x, feet, s, coat="#e8b070", patch="#a0642e", wet=False, asleep=False):
    """A small dog facing right, s pixels long; x is the middle of its body."""
    items = []
    body_y = feet - s * 0.35
    for dx in (-0.28, -0.12, 0.14, 0.3):
        items.append(line(x + dx * s, body_y, x + dx * s, feet - s * 0.02, coat, s * 0.1))
    items.append(path(f"M{f(x - s * 0.38)} {f(body_y - s * 0.05)} q{f(-s * 0.15)} {f(-s * 0.1)} {f(-s * 0.18)} {f(-s * 0.25)}",
                      stroke=coat, sw=s * 0.07))
    items.append(ellipse(x, body_y, s * 0.42, s * 0.2, coat, INK, 1.5))
    items.append(ellipse(x - s * 0.1, body_y - s * 0.04, s * 0.14, s * 0.1, patch))
    hx, hy = x + s * 0.42, body_y - s * 0.22
    items.append(ellipse(hx + s * 0.12, hy + s * 0.06, s * 0.12, s * 0.08, coat, INK, 1.5))
    items.append(circle(hx, hy, s * 0.2, coat, INK, 1.5))
    items.append(ellipse(hx - s * 0.14, hy + s * 0.02, s * 0.07, s * 0.15, patch))
    if asleep:
        items.append(path(f"M{f(hx - s * 0.01)} {f(hy - s * 0.05)} q{f(s * 0.06)} {f(s * 0.05)} {f(s * 0.12)} 0",
                          stroke=INK, sw=1.5))
    else:
        items.append(circle(hx + s * 0.05, hy - s * 0.04, s * 0.035, INK))
    items.append(circle(hx + s * 0.24, hy + s * 0.04, s * 0.045, INK))
    items.append(path(f"M{f(hx + s * 0.08)} {f(hy + s * 0.11)} q{f(s * 0.06)} {f(s * 0.05)} {f(s * 0.12)} 0",
                      stroke=INK, sw=1.5))
    if wet:
        for dx in (-0.3, 0.0, 0.3):
            items.append(ellipse(x + dx * s, body_y - s * 0.35, s * 0.03, s * 0.05, "#4fb3ea"))
    return group(items)


def duck(x, y, s, colour="#ffd84a"):
    """A duck swimming, facing left, water line at y."""
    return group([ellipse(x, y - s * 0.2, s * 0.5, s * 0.28, colour, INK, 1.5),
                  path(f"M{f(x + s * 0.4)} {f(y - s * 0.35)} l{f(s * 0.25)} {f(-s * 0.15)} l{f(-s * 0.05)} {f(s * 0.25)} Z",
                       fill=colour, stroke=INK, sw=1.5),
                  circle(x - s * 0.35, y - s * 0.6, s * 0.22, colour, INK, 1.5),
                  polygon([(x - s * 0.55, y - s * 0.62), (x - s * 0.8, y - s * 0.56), (x - s * 0.55, y - s * 0.5)], "#ff8a2a", INK, 1),
                  circle(x - s * 0.4, y - s * 0.66, s * 0.04, INK),
                  path(f"M{f(x - s * 0.1)} {f(y - s * 0.25)} q{f(s * 0.2)} {f(s * 0.15)} {f(s * 0.35)} 0", stroke="#e0b020", sw=2)])


def frog(x, feet, s, colour="#5fcf4f"):
    """A frog sitting, facing the viewer, s pixels wide."""
    return group([ellipse(x - s * 0.35, feet - s * 0.08, s * 0.22, s * 0.1, colour, INK, 1.5),
                  ellipse(x + s * 0.35, feet - s * 0.08, s * 0.22, s * 0.1, colour, INK, 1.5),
                  ellipse(x, feet - s * 0.3, s * 0.42, s * 0.3, colour, INK, 1.5),
                  circle(x - s * 0.22, feet - s * 0.58, s * 0.14, colour, INK, 1.5),
                  circle(x + s * 0.22, feet - s * 0.58, s * 0.14, colour, INK, 1.5),
                  circle(x - s * 0.22, feet - s * 0.6, s * 0.08, "#ffffff"),
                  circle(x + s * 0.22, feet - s * 0.6, s * 0.08, "#ffffff"),
                  circle(x - s * 0.2, feet - s * 0.6, s * 0.045, INK),
                  circle(x + s * 0.24, feet - s * 0.6, s * 0.045, INK),
                  path(f"M{f(x - s * 0.2)} {f(feet - s * 0.32)} Q{f(x)} {f(feet - s * 0.18)} {f(x + s * 0.2)} {f(feet - s * 0.32)}",
                       stroke=INK, sw=2)])


def fish(x, y, s, colour="#ff8a2a"):
    return group([polygon([(x + s * 0.35, y), (x + s * 0.6, y - s * 0.2), (x + s * 0.6, y + s * 0.2)], colour, INK, 1.5),
                  ellipse(x, y, s * 0.4, s * 0.22, colour, INK, 1.5),
                  circle(x - s * 0.2, y - s * 0.05, s * 0.045, INK)])


def cat(x, feet, s, coat="#9e9e9e", stripes="#6d6d6d", asleep=False):
    """A cat sitting, facing the viewer, s pixels tall; x is the middle of its body."""
    head_r = s * 0.22
    hx, hy = x, feet - s + head_r
    items = [path(f"M{f(x + s * 0.2)} {f(feet - s * 0.05)} q{f(s * 0.35)} {f(-s * 0.05)} {f(s * 0.3)} {f(-s * 0.4)}",
                  stroke=coat, sw=s * 0.07),
             ellipse(x, feet - s * 0.28, s * 0.27, s * 0.3, coat, INK, 1.5),
             ellipse(x - s * 0.12, feet - s * 0.03, s * 0.09, s * 0.045, coat, INK, 1.2),
             ellipse(x + s * 0.12, feet - s * 0.03, s * 0.09, s * 0.045, coat, INK, 1.2)]
    for dy in (0.32, 0.22):
        items.append(path(f"M{f(x - s * 0.25)} {f(feet - s * dy)} q{f(s * 0.07)} {f(-s * 0.03)} {f(s * 0.12)} 0",
                          stroke=stripes, sw=2))
    for side in (-1, 1):
        items.append(polygon([(hx + side * head_r * 0.95, hy - head_r * 0.2), (hx + side * head_r * 0.85, hy - head_r * 1.35),
                              (hx + side * head_r * 0.2, hy - head_r * 0.85)], coat, INK, 1.5))
    items.append(circle(hx, hy, head_r, coat, INK, 1.5))
    for side in (-1, 1):
        ex = hx + side * head_r * 0.4
        if asleep:
            items.append(path(f"M{f(ex - head_r * 0.15)} {f(hy - head_r * 0.05)} q{f(head_r * 0.15)} {f(head_r * 0.12)} "
                              f"{f(head_r * 0.3)} 0", stroke=INK, sw=1.5))
        else:
            items.append(ellipse(ex, hy - head_r * 0.05, head_r * 0.12, head_r * 0.18, "#7cc242"))
            items.append(ellipse(ex, hy - head_r * 0.05, head_r * 0.04, head_r * 0.14, INK))
        for dy in (0.2, 0.35):
            items.append(line(hx + side * head_r * 0.3, hy + head_r * 0.3, hx + side * head_r * 1.2, hy + head_r * dy,
                              INK, 1))
    items.append(polygon([(hx - head_r * 0.12, hy + head_r * 0.15), (hx + head_r * 0.12, hy + head_r * 0.15),
                          (hx, hy + head_r * 0.3)], "#ff8fa3"))
    items.append(path(f"M{f(hx - head_r * 0.2)} {f(hy + head_r * 0.45)} q{f(head_r * 0.1)} {f(head_r * 0.12)} {f(head_r * 0.2)} "
                      f"{f(-head_r * 0.12)} q{f(head_r * 0.1)} {f(head_r * 0.12)} {f(head_r * 0.2)} {f(head_r * 0.12)}",
                      stroke=INK, sw=1.2))
    return group(items)


def bird(x, y, s, colour="#4f8fe8", flying=False):
    """A small bird facing left, s pixels long, sitting with its feet at y or flying around y."""
    items = []
    if not flying:
        items += [line(x - s * 0.05, y - s * 0.15, x - s * 0.05, y, "#ff8a2a", 1.5),
                  line(x + s * 0.1, y - s * 0.15, x + s * 0.1, y, "#ff8a2a", 1.5)]
    body_y = y - (s * 0.35 if not flying else 0)
    items += [polygon([(x + s * 0.3, body_y), (x + s * 0.55, body_y - s * 0.15), (x + s * 0.55, body_y + s * 0.1)],
                      colour, INK, 1.2),
              ellipse(x, body_y, s * 0.35, s * 0.22, colour, INK, 1.5),
              circle(x - s * 0.28, body_y - s * 0.18, s * 0.16, colour, INK, 1.5),
              polygon([(x - s * 0.42, body_y - s * 0.2), (x - s * 0.58, body_y - s * 0.14), (x - s * 0.42, body_y - s * 0.1)],
                      "#ffb020", INK, 1),
              circle(x - s * 0.32, body_y - s * 0.22, s * 0.035, INK)]
    if flying:
        items.append(path(f"M{f(x - s * 0.1)} {f(body_y - s * 0.05)} q{f(s * 0.1)} {f(-s * 0.5)} {f(s * 0.35)} {f(-s * 0.45)} "
                          f"q{f(-s * 0.1)} {f(s * 0.25)} {f(-s * 0.1)} {f(s * 0.45)} Z", fill=colour, stroke=INK, sw=1.2))
    else:
        items.append(ellipse(x + s * 0.05, body_y, s * 0.18, s * 0.1, "#3a6fc0"))
    return group(items)


# Things ------------------------------------------------------------------------------------------

def kite(cx, cy, s, colours=("#e53935", "#ffd600"), tail_to=None, string_to=None, angle=0):
    """A diamond kite s pixels tall, with a bow-tied tail and an optional string to a hand."""
    items = []
    tx, ty = tail_to if tail_to else (cx - s * 0.4, cy + s * 1.3)
    items.append(path(f"M{f(cx)} {f(cy + s * 0.5)} Q{f(cx + s * 0.3)} {f((cy + ty) / 2)} {f(tx)} {f(ty)}", stroke=INK, sw=1.5))
    for t in (0.35, 0.65, 0.95):
        bx = cx + (tx - cx) * t + s * 0.05
        by = cy + s * 0.5 + (ty - cy - s * 0.5) * t
        items.append(polygon([(bx - s * 0.1, by - s * 0.06), (bx, by), (bx - s * 0.1, by + s * 0.06)], colours[1], INK, 1))
        items.append(polygon([(bx + s * 0.1, by - s * 0.06), (bx, by), (bx + s * 0.1, by + s * 0.06)], colours[0], INK, 1))
    top, right, bottom, left = (cx, cy - s * 0.5), (cx + s * 0.35, cy - s * 0.1), (cx, cy + s * 0.5), (cx - s * 0.35, cy - s * 0.1)
    centre = (cx, cy - s * 0.1)
    items.append(polygon([top, right, centre], colours[0]))
    items.append(polygon([right, bottom, centre], colours[1]))
    items.append(polygon([bottom, left, centre], colours[0]))
    items.append(polygon([left, top, centre], colours[1]))
    items.append(polygon([top, right, bottom, left], "none", INK, 2))
    items.append(line(top[0], top[1], bottom[0], bottom[1], INK, 1.2))
    items.append(line(left[0], left[1], right[0], right[1], INK, 1.2))
    body = group(items, f"rotate({f(angle)} {f(cx)} {f(cy)})") if angle else group(items)
    if not string_to:
        return body
    # The string is tied where the sticks cross, a point that turns with the kite.
    a = math.radians(angle)
    ax, ay = cx + math.sin(-a) * (-s * 0.1), cy + math.cos(a) * (-s * 0.1)
    sx, sy = string_to
    string = path(f"M{f(ax)} {f(ay)} Q{f((ax + sx) / 2)} {f(max(ay, sy) + s * 0.3)} {f(sx)} {f(sy)}", stroke="#6d6d6d", sw=1.5)
    return group([body, string])


def log(x, y, w, h):
    return group([rect(x, y - h, w, h, "#9a6a3a", h * 0.5, INK, 2),
                  ellipse(x + w - h * 0.5, y - h * 0.5, h * 0.35, h * 0.48, "#d8a56a", INK, 1.5),
                  path(f"M{f(x + w * 0.2)} {f(y - h * 0.6)} l{f(w * 0.3)} 0", stroke="#6e4822", sw=2)])


def bucket(x, bottom, s, colour="#e53935"):
    return group([path(f"M{f(x - s * 0.45)} {f(bottom - s)} Q{f(x)} {f(bottom - s * 1.6)} {f(x + s * 0.45)} {f(bottom - s)}",
                       stroke=INK, sw=2),
                  polygon([(x - s * 0.45, bottom - s), (x + s * 0.45, bottom - s), (x + s * 0.35, bottom), (x - s * 0.35, bottom)],
                          colour, INK, 2),
                  rect(x - s * 0.47, bottom - s - 4, s * 0.94, 6, colour, 3, INK, 1.5)])


def spade(x, bottom, s, colour="#1e88e5"):
    return group([line(x, bottom - s * 0.3, x, bottom - s, "#9a6a3a", s * 0.08),
                  path(f"M{f(x - s * 0.15)} {f(bottom - s * 0.35)} L{f(x + s * 0.15)} {f(bottom - s * 0.35)} "
                       f"L{f(x + s * 0.12)} {f(bottom - s * 0.05)} Q{f(x)} {f(bottom + s * 0.05)} {f(x - s * 0.12)} {f(bottom - s * 0.05)} Z",
                       fill=colour, stroke=INK, sw=1.5)])


def tower(x, bottom, w, h, colour="#eec170"):
    """A sand tower with battlements, w wide and h tall, centred on x."""
    top = bottom - h
    items = [polygon([(x - w * 0.5, bottom), (x - w * 0.42, top), (x + w * 0.42, top), (x + w * 0.5, bottom)], colour, "#b8893a", 2)]
    bw = w * 0.84 / 5
    for i in (0, 2, 4):
        items.append(rect(x - w * 0.42 + i * bw, top - bw * 0.8, bw, bw * 0.8 + 1, colour, 0, "#b8893a", 2))
    items.append(rect(x - w * 0.08, top + h * 0.3, w * 0.16, h * 0.2, "#b8893a", 2))
    return group(items)


def shell(x, y, s, colour="#ffb3c6"):
    items = [path(f"M{f(x - s * 0.5)} {f(y)} Q{f(x)} {f(y - s * 1.1)} {f(x + s * 0.5)} {f(y)} Z", fill=colour, stroke="#d07090", sw=1.2)]
    for dx in (-0.25, 0, 0.25):
        items.append(line(x, y, x + dx * s, y - s * 0.45, "#d07090", 1))
    return group(items)


def box_boat(x, water_y, s, colour="#d9a05b"):
    """A cardboard-box boat with a mast and a sail, s wide, floating on water_y."""
    return group([line(x, water_y - s * 0.35, x, water_y - s * 1.1, "#6e4822", s * 0.04),
                  polygon([(x + s * 0.03, water_y - s * 1.05), (x + s * 0.4, water_y - s * 0.45), (x + s * 0.03, water_y - s * 0.45)],
                          "#ffffff", INK, 1.5),
                  polygon([(x - s * 0.5, water_y - s * 0.4), (x + s * 0.5, water_y - s * 0.4), (x + s * 0.42, water_y), (x - s * 0.42, water_y)],
                          colour, INK, 2),
                  line(x - s * 0.3, water_y - s * 0.25, x + s * 0.3, water_y - s * 0.25, "#b07a3a", 2)])


def bed(x, floor, w, cover="#7e57c2"):
    h = w * 0.3
    return group([rect(x, floor - h * 1.6, w * 0.08, h * 1.6, "#9a6a3a", 2, INK, 1.5),
                  rect(x + w * 0.92, floor - h * 1.1, w * 0.08, h * 1.1, "#9a6a3a", 2, INK, 1.5),
                  rect(x + w * 0.05, floor - h * 0.9, w * 0.9, h * 0.5, "#9a6a3a", 2, INK, 1.5),
                  rect(x + w * 0.1, floor - h * 1.15, w * 0.22, h * 0.3, "#ffffff", 6, INK, 1.5),
                  rect(x + w * 0.28, floor - h * 1.05, w * 0.66, h * 0.45, cover, 8, INK, 1.5)])


def window(x, y, w, h, outside="#1d2a5c"):
    return group([rect(x, y, w, h, outside, 4, "#ffffff", 6),
                  line(x + w / 2, y, x + w / 2, y + h, "#ffffff", 4),
                  line(x, y + h / 2, x + w, y + h / 2, "#ffffff", 4)])


def sock(x, y, s, colour="#ff7043"):
    return group([path(f"M{f(x)} {f(y)} l0 {f(s * 0.6)} q0 {f(s * 0.3)} {f(s * 0.3)} {f(s * 0.3)} l{f(s * 0.25)} 0 "
                       f"q{f(s * 0.15)} 0 {f(s * 0.15)} {f(-s * 0.15)} q0 {f(-s * 0.15)} {f(-s * 0.15)} {f(-s * 0.15)} "
                       f"l{f(-s * 0.12)} 0 l0 {f(-s * 0.6)} Z", fill=colour, stroke=INK, sw=1.5),
                  rect(x - 1, y, s * 0.32, s * 0.12, "#ffffff", 2, INK, 1)])

def ladder(x, bottom, top, w, colour="#c8894a"):
    """An upright ladder from bottom up to top, w wide, its left rail at x."""
    items = [line(x, bottom, x, top, colour, w * 0.12), line(x + w, bottom, x + w, top, colour, w * 0.12)]
    steps = max(2, int((bottom - top) / (w * 0.9)))
    for i in range(1, steps + 1):
        y = bottom - (bottom - top) * i / (steps + 1)
        items.append(line(x, y, x + w, y, colour, w * 0.1))
    return group(items)


def cushion(x, floor, w, colour="#ef5350"):
    """A round dog's cushion w wide, its middle at x, lying on the floor."""
    return group([ellipse(x, floor - w * 0.12, w * 0.5, w * 0.14, colour, INK, 1.5),
                  ellipse(x, floor - w * 0.16, w * 0.38, w * 0.08, "#ffcdd2")])


def sparkles(points, r, colour="#fff3a0"):
    return group([star(x, y, r, colour) for x, y in points])


def rain(w, h, colour="#5f8fd0", step=28):
    items = []
    for row, y in enumerate(range(10, int(h), step)):
        for x in range(10 + (row % 2) * step // 2, int(w), step):
            items.append(line(x, y, x - 3, y + 9, colour, 2))
    return group(items)


def earth(cx, cy, r):
    return group([circle(cx, cy, r, "#3a8ee6", "#ffffff", r * 0.06),
                  path(f"M{f(cx - r * 0.6)} {f(cy - r * 0.4)} q{f(r * 0.3)} {f(-r * 0.3)} {f(r * 0.6)} {f(-r * 0.1)} "
                       f"q{f(r * 0.1)} {f(r * 0.4)} {f(-r * 0.2)} {f(r * 0.6)} q{f(-r * 0.4)} {f(r * 0.1)} {f(-r * 0.4)} {f(-r * 0.5)} Z",
                       fill="#5cc85c"),
                  ellipse(cx + r * 0.35, cy + r * 0.4, r * 0.3, r * 0.2, "#5cc85c")])


def crater(cx, cy, rx, colour="#a9a9b8"):
    return group([ellipse(cx, cy, rx, rx * 0.3, colour, "#8a8a9a", 1.5),
                  ellipse(cx, cy + rx * 0.05, rx * 0.7, rx * 0.18, "#9a9aaa")])


def motion_lines(x, y, s, colour="#ffffff"):
    """Three short lines behind something moving right."""
    return group([line(x - s, y + dy * s * 0.3, x - s * 0.3, y + dy * s * 0.3, colour, 3) for dy in (-1, 0, 1)])


def flag(x, top, s, colour="#e53935"):
    return group([line(x, top, x, top + s, "#6e4822", 2),
                  polygon([(x, top), (x + s * 0.6, top + s * 0.18), (x, top + s * 0.36)], colour, INK, 1)])


def drops(points, r, colour="#4fb3ea"):
    return group([ellipse(x, y, r * 0.7, r, colour) for x, y in points])


def tilted(item, angle, cx, cy):
    return group([item], f"rotate({f(angle)} {f(cx)} {f(cy)})")


def svg_document(w, h, items):
    body = "".join(items)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">'
            f"{body}</svg>\n")
