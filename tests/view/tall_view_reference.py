#!/usr/bin/env python3
"""Where the ecliptic ring lands in a 360 x 540 sky view seen face-on: an independent model of
the view's projection for SkyViewTest.TallViewShowsFifteenUnitsAcross.

The view shows 15 scene units across the window through the origin, whatever its shape; the
camera looks down the z axis from the distance at which a 30-degree vertical field of view
spans the visible height (15 units divided by the width-to-height ratio). With the Earth at the
origin and the ecliptic plane facing the camera, the ring's points at radius 5 on the window's
axes are projected with the perspective divide of a symmetric frustum."""
import math

WIDTH, HEIGHT = 360, 540  # logical pixels
VISIBLE_WIDTH = 15.0      # scene units across
FIELD_OF_VIEW = 30.0      # degrees, vertical
RING_RADIUS = 5.0         # scene units


def window(x, y, visible_height):
    aspect = WIDTH / HEIGHT
    distance = (visible_height / 2) / math.tan(math.radians(FIELD_OF_VIEW / 2))
    f = 1 / math.tan(math.radians(FIELD_OF_VIEW / 2))
    ndc_x = x * f / aspect / distance
    ndc_y = y * f / distance
    return (ndc_x + 1) / 2 * WIDTH, (ndc_y + 1) / 2 * HEIGHT


if __name__ == "__main__":
    height = VISIBLE_WIDTH / (WIDTH / HEIGHT)
    for name, point in (("right", (RING_RADIUS, 0)), ("left", (-RING_RADIUS, 0)),
                        ("top", (0, RING_RADIUS)), ("bottom", (0, -RING_RADIUS))):
        print(name, "%.3f %.3f" % window(*point, height))
    # The visible height multiplied by the aspect instead of divided by it, for comparison.
    wrong = VISIBLE_WIDTH * (WIDTH / HEIGHT)
    print("wrong right", "%.3f %.3f" % window(RING_RADIUS, 0, wrong))
