#!/usr/bin/env python3
# A payment's write at one desk (from the amount typed to the list that
# follows the write) while another desk's registration checks its number,
# against the same write with no registration, both through the emulated link
# of bench/shared_link.cpp. The check is found by F_GETLK: the numbers byte, or
# the data byte held exclusive by a build before the numbers byte.
#
#   bench/write_during_check.py PROGRAM N MBPS    e.g. build/palvo 1000000 110
#
# Needs build/bench/generate_files and build/bench/libshared_link.so (make bench).
import fcntl, os, select, struct, subprocess, sys, tempfile, time, shutil
prog, n, mbps = os.path.abspath(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
build = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build")
os.makedirs(f"{build}/bench-data", exist_ok=True)
d = tempfile.mkdtemp(dir=f"{build}/bench-data")
out = subprocess.run([f"{build}/bench/generate_files", str(n), d], capture_output=True, text=True).stdout
tc = [w for w in out.split() if len(w) == 11 and w.isdigit()][-1]
env = dict(os.environ, LD_PRELOAD=f"{build}/bench/libshared_link.so",
           PALVO_LINK_CLOCK=f"{d}/clock", PALVO_LINK_MBPS=mbps)
subprocess.run(["sync"])
def bekle(p, metin, buf):
    while metin not in buf[0]:
        r, _, _ = select.select([p.stdout], [], [], 60)
        if not r: raise SystemExit("timeout waiting for %r" % metin)
        buf[0] += os.read(p.stdout.fileno(), 1 << 20)
    buf[0] = buf[0][buf[0].index(metin) + len(metin):]
def tutuluyor(bayt):
    fd = os.open(f"{d}/palvo.hasta.dat", os.O_RDWR)
    r = struct.unpack("hhqqi", fcntl.fcntl(fd, fcntl.F_GETLK, struct.pack("hhqqi", fcntl.F_WRLCK, 0, bayt, 1, 0)))
    os.close(fd)
    return r[0] == fcntl.F_WRLCK
def yazma(kayitla):
    p = subprocess.Popen([prog], stdin=subprocess.PIPE, stdout=subprocess.PIPE, cwd=d, env=env)
    buf = [b""]
    p.stdin.write(f"nobet\nnobet\n8\n{tc}\n".encode()); p.stdin.flush()
    bekle(p, b"Bakiye: ", buf)
    r = None
    if kayitla:
        r = subprocess.Popen([prog], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, cwd=d, env=env)
        r.stdin.write(("nobet\nnobet\n1\n9999999999%d\nali veli\ne\n01/02/2000\nankara\nab rh+\ncad 1\n"
                       "ankara\ncankaya\n5321234567\nevli\n\nx14\n" % kayitla).encode()); r.stdin.close()
        while not (tutuluyor((1 << 62) + 2) or tutuluyor(1 << 62)):
            time.sleep(0.002)
        time.sleep(0.2)  # inside the check, not at its start
    t = time.time()
    p.stdin.write(b"1\n"); p.stdin.flush()
    bekle(p, b"===== HASTA LISTELEME =====", buf)
    sure = time.time() - t
    p.kill(); p.wait()
    if r: r.wait()
    return sure
alone = yazma(0)
during = yazma(1)
print(f"N={n} {mbps} MB/s {prog}: payment's write alone {alone*1000:.0f} ms, during a check {during*1000:.0f} ms")
shutil.rmtree(d)
