# The Debian package: built, inspected, unpacked into an awkward folder, and played.
import glob
import os
import re

from PIL import Image

from desktop import ALL, HEARD, LOW, SILENT
from game import STEADY, Game
from harness import run, wait_for

LIBRARIES = ("libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libpulse0", "libsndfile1")
SOUNDS = "usr/share/zarvo-cycles/sounds"
ENTRY = "applications/zarvo-cycles.desktop"
METAINFO = "metainfo/example.zarvo_cycles.ZarvoCycles.metainfo.xml"
DOCS = "usr/share/doc/zarvo-cycles"
FILES = [f"usr/share/{ENTRY}", f"usr/share/{METAINFO}", "usr/share/man/man6/zarvo-cycles.6.gz",
         f"{DOCS}/copyright", f"{DOCS}/changelog.gz"] + [
    f"{SOUNDS}/{cue}.wav" for cue in ("silence", "hum", "turn2", "turn3", "crash")]
NO_SESSION = ("zarvo-cycles needs a graphical session, and there is none here (DISPLAY and "
              "WAYLAND_DISPLAY are not set).\n")
NO_WINDOW = "zarvo-cycles needs a graphical session, and cannot open a window on DISPLAY={}.\n"


def package(ctx):
    run("cpack", "-G", "DEB", "--config", f"{ctx.build_dir}/CPackConfig.cmake", "-B",
        f"{ctx.scratch}/deb", cwd=ctx.build_dir)
    (deb,) = glob.glob(f"{ctx.scratch}/deb/zarvo-cycles_*.deb")  # one package, or a ValueError
    depends = run("dpkg-deb", "--field", deb, "Depends").stdout
    assert all(re.search(rf"\b{name} \(>= ", depends) for name in LIBRARIES), depends
    simulated = run("apt-get", "install", "--simulate", "--no-install-recommends", deb).stdout
    installs = re.findall(r"^Inst (\S+)", simulated, re.MULTILINE)
    assert installs == ["zarvo-cycles"], f"apt-get would install {installs}"
    # A text console: no display, no Wayland, no platform chosen; a home of its own.
    console = {k: v for k, v in ctx.x.env.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    linted = run("lintian", "--fail-on", "error,warning", deb, env=console, status=None)
    assert linted.returncode == 0, f"lintian: {linted.stdout}"

    # Spaces, letters beyond ASCII, and an e with its accent as a second code point (NFD).
    root = f"{ctx.scratch}/Spiele für alle/Cafe\u0301 Öl"
    os.makedirs(root)
    run("dpkg-deb", "-x", deb, root)
    missing = [path for path in FILES if not os.path.isfile(f"{root}/{path}")]
    assert not missing, f"the package lacks {missing}"
    for n in (16, 24, 32, 48, 64, 128, 256):  # opening a missing icon fails too
        icon = Image.open(f"{root}/usr/share/icons/hicolor/{n}x{n}/apps/zarvo-cycles.png")
        assert icon.size == (n, n), f"the {n}x{n} icon is {icon.size}"
    run("appstreamcli", "validate", "--no-net", f"{root}/usr/share/{METAINFO}")
    with open(f"{root}/usr/share/{ENTRY}") as entry:
        lines = set(entry.read().splitlines())
    assert {"Exec=/usr/games/zarvo-cycles", "Icon=zarvo-cycles", "Type=Application"} <= lines, lines
    validated = run("desktop-file-validate", f"{root}/usr/share/{ENTRY}")
    assert not validated.stdout + validated.stderr, validated.stdout + validated.stderr

    program = f"{root}/usr/games/zarvo-cycles"
    version = "Zarvo Cycles " + run("dpkg-deb", "--field", deb, "Version").stdout
    vacant = next(n for n in range(200, 300) if not os.path.exists(f"/tmp/.X{n}-lock"))
    usage = lambda out: re.match(  # noqa: E731
        "Usage: (?=.*-h, --help)(?=.*-v, --version)(?!.*--seed)(?!.*--tick-log)", out, re.S)
    # On the console, or with a DISPLAY no X server answers: the exit status, stdout and
    # stderr, each the whole text or a test of it.
    for arguments, display, *expected in (
            (["--version"], None, 0, version, ""),
            (["-platform", "offscreen", "--version"], None, 0, version, ""),
            (["--help"], None, 0, usage, ""),
            (["--no-such-option"], None, 1, "", lambda e: "Unknown option 'no-such-option'." in e),
            ([], None, 1, "", NO_SESSION),
            ([], f":{vacant}", 1, "", NO_WINDOW.format(f":{vacant}"))):
        env = dict(console, DISPLAY=display) if display else console
        done = run(program, *arguments, env=env, status=None)
        shown = (done.returncode, done.stdout, done.stderr)
        assert all(want(got) if callable(want) else want == got
                   for want, got in zip(expected, shown)), f"{arguments} on {display}: {shown}"

    # One launch: first without the sounds folder, then with it back.
    os.rename(f"{root}/{SOUNDS}", f"{root}/{SOUNDS} away")
    game = Game(ctx, "--seed", STEADY, program=program)
    new_game = lambda: ctx.x.xdotool("key", "ctrl+n")  # noqa: E731
    assert game.client.right - game.client.left == 626, f"the window: {game.client}"
    quiet = ctx.x.record(ctx.artefact("without-sounds.raw"), new_game, 1.5)
    assert max(quiet.levels(ALL)) < SILENT, "sound without the sounds folder"
    assert (game.trail() or (0, 0))[1] >= 10, f"no match without sounds: {game.trail()}"
    os.rename(f"{root}/{SOUNDS} away", f"{root}/{SOUNDS}")
    hum = ctx.x.record(ctx.artefact("packaged.raw"), new_game, 1.5)
    assert max(hum.levels(LOW)) > HEARD, "no hum once the sounds are back"
    ctx.x.xdotool("key", "alt+F4")
    wait_for("Alt+F4 to end the game", game.ended, 5)
    assert game.process.returncode == 0, f"Alt+F4: exit code {game.process.returncode}"
