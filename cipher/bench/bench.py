"""Times wexlin-cipher-cli against `openssl enc -chacha20 -a` on the same texts, file to file.

    bench.py CLI WORKDIR SIZE_BYTES

Each command runs three times, ours and OpenSSL's in turn, and the fastest run counts.
Speeds are MB/s of plain text (10^6 bytes a second), for decoding too, so that both tools
are measured on the same amount.
"""
import os
import random
import subprocess
import sys
import time

# Two kinds of text: letters in a Latin script (mostly ASCII, some accents), and text that
# changes script every few words, the hard case for converting between UTF-8 and UTF-16.
PROSE = ("the of and to in is that for it as with was on be by this are or from at which meeting "
         "letter figures quarter thursday morning supplier invoice report window please regards "
         "tomorrow afternoon office number price order delivery customer account balance payment "
         "week month year company service manager team project schedule caf\u00e9 r\u00e9sum\u00e9 "
         "na\u00efve").split()
MIXED = ("the of and to in is that for it as with was on be by this are or from at which "
         "meeting letter figures quarter Thursday morning supplier invoice report window "
         "caf\u00e9 na\u00efve \u00e9t\u00e9 Stra\u00dfe \u0434\u043e\u0431\u0440\u044b\u0439 "
         "\u03ba\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1 \u65e5\u672c\u8a9e \u4e2d\u6587 "
         "\uc548\ub155 \u0645\u0631\u062d\u0628\u0627 \U0001F600 \U0001F44D").split()
TEXTS = (("prose", PROSE), ("multilingual", MIXED))

# Fixed key and IV for OpenSSL: only its speed matters here.
KEY = "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f"
IV = "01000000000000000000004a00000000"


def make_text(path, size, words):
    """Lines of random words with CR LF breaks, as the decoded pane holds; deterministic.
    About `size` bytes: the end is cut back to a whole character."""
    if os.path.exists(path):
        return
    rng = random.Random(8439)
    lines = []
    for _ in range(20000):
        n = rng.randint(0, 16)
        lines.append(" ".join(rng.choice(words) for _ in range(n)).capitalize() + ("." if n else ""))
    block = ("\r\n".join(lines) + "\r\n").encode("utf-8")
    with open(path, "wb") as f:
        written = 0
        while written + len(block) <= size:
            f.write(block)
            written += len(block)
        f.write(block[: size - written].decode("utf-8", "ignore").encode("utf-8"))


def run_time(cmd):
    start = time.perf_counter()
    subprocess.run(cmd, check=True)
    return time.perf_counter() - start


def best_of_three(ours, theirs):
    """Fastest of three runs of each command, taken in turn, so that both meet the same
    state of the machine (its memory, the page cache, other load)."""
    best = [None, None]
    for _ in range(3):
        for k, cmd in enumerate((ours, theirs)):
            t = run_time(cmd)
            best[k] = t if best[k] is None else min(best[k], t)
    return best


def same(a, b):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def measure(cli, work, name, words, size):
    text = os.path.join(work, f"{name}-{size}.txt")
    make_text(text, size, words)
    size = os.path.getsize(text)
    p = lambda suffix: os.path.join(work, f"{name}.{suffix}")
    ossl = ["openssl", "enc", "-chacha20", "-a", "-K", KEY, "-iv", IV]
    times = {}
    times[("encode", "ours")], times[("encode", "openssl")] = best_of_three(
        [cli, "encode", text, p("ours.enc")], ossl + ["-in", text, "-out", p("openssl.enc")])
    times[("decode", "ours")], times[("decode", "openssl")] = best_of_three(
        [cli, "decode", p("ours.enc"), p("ours.dec")], ossl + ["-d", "-in", p("openssl.enc"), "-out", p("openssl.dec")])
    if not same(text, p("ours.dec")):
        sys.exit(f"{name}: our decode did not give the text back")
    if not same(text, p("openssl.dec")):
        sys.exit(f"{name}: openssl did not give the text back")
    print(f"{name}: {size} bytes of UTF-8 text; best of 3 runs, file to file")
    print(f"  {'':8}{'ours MB/s':>12}{'openssl MB/s':>14}{'ours/openssl':>14}")
    for op in ("encode", "decode"):
        ours, theirs = size / 1e6 / times[(op, "ours")], size / 1e6 / times[(op, "openssl")]
        print(f"  {op:8}{ours:12.1f}{theirs:14.1f}{ours / theirs:14.2f}")


def main():
    cli, work, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
    os.makedirs(work, exist_ok=True)
    for name, words in TEXTS:
        measure(cli, work, name, words, size)


main()
