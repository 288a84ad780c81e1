#!/usr/bin/env python3
"""Independent reference model of the sky and the ratings, written from the written rules
alone (never from the C++ sources), to produce the literal expected values of the tests.
Python floats are IEEE doubles and math.* calls the same C library, so results agree with
the C++ build to the last bit where the operations are done in the same order."""
import math, sys

D2R = 0.017453292519943295
R2D = 57.29577951308232

def cdiv(a, b):  # integer division truncating toward zero
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q

def crem(a, b):
    return a - b * cdiv(a, b)

def day_number(d, m, y):
    return 367 * y - cdiv(7 * (y + cdiv(m + 9, 12)), 4) + cdiv(275 * m, 9) + d - 730530

def is_leap(y):
    return y % 4 == 0 and (y % 100 != 0 or y % 400 == 0)

def days_in_month(m, y):
    if m in (1, 3, 5, 7, 8, 10, 12): return 31
    if m in (4, 6, 9, 11): return 30
    if m == 2: return 29 if is_leap(y) else 28
    return 0

def next_day(d, m, y):
    d += 1
    if d > days_in_month(m, y):
        d = 1; m += 1
        if m > 12: m = 1; y += 1
    return d, m, y

def cart_to_sph(x, y, z):
    r = math.sqrt(x * x + y * y + z * z)
    lon = math.atan2(y, x) * R2D
    lat = math.atan2(z, math.sqrt(x * x + y * y)) * R2D
    return r, lon, lat

def sph_to_cart(r, lon, lat):
    lon *= D2R; lat *= D2R
    return (r * math.cos(lat) * math.cos(lon), r * math.cos(lat) * math.sin(lon), r * math.sin(lat))

def rot_z(v, a):
    x, y, z = v
    rho = math.sqrt(x * x + y * y)
    t = (math.atan2(y, x) * R2D + a) * D2R
    return (rho * math.cos(t), rho * math.sin(t), z)

def rot_x(v, a):
    x, y, z = v
    rho = math.sqrt(y * y + z * z)
    t = (math.atan2(z, y) * R2D + a) * D2R
    return (x, rho * math.cos(t), rho * math.sin(t))

# name, reference, N0 N1, i0 i1, w0 w1, a, e0 e1, M0 M1
BODIES = [
    ("EARTH", None, 0, 0, 0, 0, 282.9404, 4.70935e-5, 1.0, 0.016709, -1.151e-9, 176.047, 0.9856002585),
    ("SUN", None, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    ("MERCURY", 0, 48.3313, 3.24587e-5, 7.0047, 5e-8, 29.1241, 1.01444e-5, 0.387098, 0.205635, 5.59e-10, 168.6562, 4.0923344368),
    ("VENUS", 0, 76.6799, 2.4659e-5, 3.3946, 2.75e-8, 54.891, 1.38374e-5, 0.72333, 0.006773, -1.302e-9, 48.0052, 1.6021302244),
    ("MARS", 0, 49.5574, 2.11081e-5, 1.8497, -1.78e-8, 286.5016, 2.92961e-5, 1.523688, 0.093405, 2.516e-9, 18.6021, 0.5240207766),
    ("JUPITER", 0, 100.4542, 2.76854e-5, 1.303, -1.557e-7, 273.8777, 1.64505e-5, 5.20256, 0.048498, 4.469e-9, 19.895, 0.0830853001),
]

def positions(day):
    """Heliocentric positions and sights (from the Earth, length 5) of the six bodies."""
    out = []
    for (name, ref, N0, N1, i0, i1, w0, w1, a, e0, e1, M0, M1) in BODIES:
        d = float(day)
        N = N0 + N1 * d; i = i0 + i1 * d; w = w0 + w1 * d; e = e0 + e1 * d
        M = math.fmod(M0 + M1 * d, 360.0)
        if M < 0: M += 360.0
        Mr = M * D2R
        E = M + e * R2D * math.sin(Mr) * (1 + e * math.cos(Mr))
        Er = E * D2R
        xv = a * (math.cos(Er) - e)
        yv = a * math.sqrt(1 - e * e) * math.sin(Er)
        v = math.atan2(yv, xv) * R2D
        r = math.sqrt(xv * xv + yv * yv)
        u = (v + w) * D2R; Nr = N * D2R; ir = i * D2R
        x = r * (math.cos(Nr) * math.cos(u) - math.sin(Nr) * math.sin(u) * math.cos(ir))
        y = r * (math.sin(Nr) * math.cos(u) + math.cos(Nr) * math.sin(u) * math.cos(ir))
        z = r * math.sin(u) * math.sin(ir)
        sight = (0.0, 0.0, 0.0)
        if ref is not None:
            ex, ey, ez = out[ref][1]
            sx, sy, sz = x - ex, y - ey, z - ez
            L = math.sqrt(sx * sx + sy * sy + sz * sz)
            sight = (sx / L * 5, sy / L * 5, sz / L * 5)
        out.append((name, (x, y, z), sight))
    return out

def dec_deg(d, m, s):
    if d < 0 or d == 888:
        return (0 if d == 888 else d) - m / 60 - s / 3600
    return d + m / 60 + s / 3600

def ra_deg(h, m, s):
    return (h + m / 60 + s / 3600) * 15

STARS = {  # sign index -> rows (ra h, m, s, dec d, m, s); -00 written as 888
 0: [(22,5,47.0,0,19,11),(21,31,33.0,5,34,16),(22,21,39.0,-1,23,14),(22,54,39.0,-15,49,15),(20,47,41.0,-9,29,45),(22,16,50.0,-7,47,0),(22,37,45.0,-4,13,41)],
 1: [(2,2,2.8,2,45,49),(23,3,52.6,3,49,12),(1,25,23.6,9,9,28)],
 2: [(1,7,10.4,23,27,45),(1,54,38.4,20,48,49),(1,53,31.8,19,17,37)],
 3: [(4,35,55.2,16,30,33),(5,26,17.5,28,36,27),(4,19,47.6,15,37,39),(4,22,56.1,17,32,33),(4,28,37.0,19,10,49),(3,47,29.1,24,6,18),(3,44,48.2,24,17,22),(3,44,52.5,24,6,48),(3,45,12.5,24,28,2),(3,45,49.6,24,22,4),(3,45,54.4,24,33,17),(3,46,2.9,24,31,41),(3,46,19.6,23,56,54),(3,49,9.7,24,3,12),(3,49,9.7,24,3,12)],
 4: [(7,34,36.0,31,53,18),(6,37,42.7,16,23,57),(7,20,7.4,21,58,56),(6,43,55.9,25,7,52),(7,4,6.5,20,34,13),(7,25,43.6,27,47,53),(6,14,52.6,22,30,24),(6,22,57.6,22,30,49),(6,45,17.4,12,53,44),(6,4,7.2,23,15,48)],
 5: [(8,58,29.2,11,51,28),(8,16,30.9,9,11,8),(8,43,17.1,21,28,7),(8,44,41.1,18,9,15),(8,12,12.7,17,38,52)],
 6: [(10,8,22.3,11,58,2),(11,49,3.6,14,34,19),(10,19,58.3,19,50,30),(11,14,6.5,20,31,25),(9,45,51.1,23,46,27),(10,16,41.4,23,25,2),(11,14,14.4,15,25,46),(9,24,39.3,26,10,56),(9,31,43.2,22,58,5),(9,52,45.8,26,0,25),(9,41,9.0,9,53,32)],
 7: [(13,25,11.6,-11,9,41),(11,50,41.7,1,45,53),(12,41,39.6,-1,26,58),(12,55,36.2,3,23,51),(13,2,10.6,10,57,33),(13,34,41.6,888,35,45),(12,19,54.4,888,40,1),(14,16,0.9,-6,0,2),(14,43,3.6,-5,39,30)],
 8: [(14,50,52.7,-16,2,30),(15,17,0.4,-9,22,59),(15,35,31.6,-14,47,22),(15,0,58.4,-8,31,8),(15,4,4.2,-25,16,55)],
 9: [(16,29,24.4,-26,25,55),(16,5,26.2,-19,48,20),(16,0,20.0,-22,37,18),(17,37,19.2,-42,59,52),(17,33,36.5,-37,6,14),(16,11,59.7,-19,27,38),(16,21,11.3,-25,35,34),(17,30,45.8,-37,17,45)],
 10: [(19,23,53.2,-40,36,58),(19,22,38.3,-44,27,32),(19,23,13.2,-44,47,59),(18,5,48.5,-30,25,27),(18,20,59.7,-29,49,41),(18,24,10.3,-34,23,5),(19,2,36.7,-29,52,49),(18,27,58.2,-25,25,18),(18,54,10.2,-22,44,42),(19,9,45.8,-21,1,25),(18,55,15.9,-26,17,48),(19,55,50.4,-26,17,58),(19,56,56.8,-27,10,12),(19,58,57.2,-26,11,44),(20,2,39.5,-27,42,35)],
 11: [(20,17,38.9,-12,30,30),(20,18,3.3,-12,32,41),(20,21,0.7,-14,46,53),(21,40,5.5,-16,39,44),(21,47,2.4,-16,7,38),(20,20,39.8,-12,45,33)],
}

def star(ra, dec):
    v = sph_to_cart(5.0, ra, dec)
    v = rot_z(v, 0.42121)
    v = rot_x(v, -23.5)
    v = rot_z(v, -0.42121)
    return cart_to_sph(*v)

def sign_centre(idx):
    stars = [star(ra_deg(h, m, s), dec_deg(d, am, asec)) for (h, m, s, d, am, asec) in STARS[idx]]
    cs = [sph_to_cart(*s) for s in stars]
    sx = sum(c[0] for c in cs); sy = 0.0; sz = 0.0
    sx = sy = sz = 0.0
    for c in cs:
        sx += c[0]; sy += c[1]; sz += c[2]
    n = float(len(cs))
    mx, my, mz = sx / n, sy / n, sz / n
    far = 0.0
    for c in cs:
        dd = math.sqrt((c[0] - mx) ** 2 + (c[1] - my) ** 2 + (c[2] - mz) ** 2)
        if dd > far: far = dd
    ring = math.atan2(0.2 * far, 1) * R2D
    return cart_to_sph(mx, my, mz), ring

def aspect(x):
    a = abs(x)
    d30 = math.fmod(a, 30)
    if d30 > 15: d30 = 30 - d30
    d45 = math.fmod(a, 45)
    if d45 > 22.5: d45 = 45 - d45
    n30 = 1 - d30 * 0.06666666666666667
    n45 = 1 - d45 * 0.044444444444444446
    return n30 if n30 > n45 else -n45

def lat_ratio(x, y):
    r = x / (0.00001 if y == 0 else y)
    if r > 1: r = 1 / r
    if r < -1: r = 1 / r
    return r

def clamp(v):
    if v > 100: v = 100
    if v < 0: v = 0
    return v

def rate_day(sign, birth, rated):
    (_, L, B), _ = sign_centre(sign)
    bodies = positions(day_number(*rated))
    lam = [None] * 6; beta = [None] * 6
    for k in range(1, 6):
        _, lam[k], beta[k] = cart_to_sph(*bodies[k][1])
    G = [None] * 6; R = [None] * 6
    G[1] = aspect(lam[1] - L)
    for k in range(2, 6):
        G[k] = aspect(L - lam[k]); R[k] = lat_ratio(B, beta[k])
    t = lambda v: int(v)  # toward zero
    M = t(25 * (R[2] + G[2]))
    Q = -(birth[2] * birth[1] * birth[0]); W = rated[2] * rated[1] * rated[0]
    luck = 50 + crem(cdiv(W, 67), 50) + crem(cdiv(Q, 15), 50) + M + t(25 * (R[5] + G[5])) + t(25 * G[1])
    love = 50 + crem(cdiv(W, 57), 50) + crem(cdiv(Q, 73), 50) + M + t(25 * (R[3] + G[3]))
    money = 50 + crem(cdiv(W, 41), 50) + crem(cdiv(Q, 23), 50) + M + t(25 * (R[4] + G[4]))
    return clamp(luck), clamp(love), clamp(money)

BOUNDS = [(20, 1, 11), (18, 2, 0), (20, 3, 1), (19, 4, 2), (20, 5, 3), (20, 6, 4), (22, 7, 5),
          (22, 8, 6), (22, 9, 7), (22, 10, 8), (21, 11, 9), (21, 12, 10)]

def sign_for(birth):
    t = day_number(*birth)
    for d, m, s in BOUNDS:
        if t <= day_number(d, m, birth[2]): return s
    return 11

def rate_period(birth, first, last):
    sign = sign_for(birth)
    n = day_number(*last) - day_number(*first) + 1
    if n <= 0: return (0, 0, 0)
    sums = [0, 0, 0]; day = first
    for _ in range(n):
        r = rate_day(sign, birth, day)
        for j in range(3): sums[j] += r[j]
        day = next_day(*day)
    return tuple(cdiv(s, n) for s in sums)

if __name__ == "__main__":
    cmd = sys.argv[1]
    if cmd == "rate":  # rate D M Y  D M Y  D M Y (birth, first, last)
        a = list(map(int, sys.argv[2:11]))
        b, f, l = tuple(a[0:3]), tuple(a[3:6]), tuple(a[6:9])
        print(sign_for(b), *rate_period(b, f, l))
    elif cmd == "bodies":  # bodies DAYNUMBER
        for name, p, s in positions(int(sys.argv[2])):
            print(name, " ".join(repr(c) for c in p), "|", " ".join(repr(c) for c in s))
    elif cmd == "signs":
        for i in range(12):
            (rho, lon, lat), ring = sign_centre(i)
            print(i, repr(lon), repr(lat), repr(rho), repr(ring))
