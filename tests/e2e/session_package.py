# The Debian package: built, inspected, unpacked into an awkward folder, and played.
import glob
import os
import re

from PIL import Image

from desktop import ALL, HEARD, LOW, SILENT
from game import STEADY, Game
from harness import run, wait_for

LIBRARIES = ("libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6multimedia6")
SOUNDS = "usr/share/zarvo-cycles/sounds"
ENTRY = "applications/zarvo-cycles.desktop"
METAINFO = "metainfo/example.zarvo_cycles.ZarvoCycles.metainfo.xml"
FILES = [f"usr/share/{ENTRY}", f"usr/share/{METAINFO}"] + [
    f"{SOUNDS}/{cue}.wav" for cue in ("silence", "hum", "turn2", "turn3", "crash")]


def package(ctx):
    run("cpack", "-G", "DEB", "--config", f"{ctx.build_dir}/CPackConfig.cmake", "-B",
        f"{ctx.scratch}/deb", cwd=ctx.build_dir)
    (deb,) = glob.glob(f"{ctx.scratch}/deb/zarvo-cycles_*.deb")  # one package, or a ValueError
    depends = run("dpkg-deb", "--field", deb, "Depends").stdout
    assert all(re.search(rf"\b{name} \(>= ", depends) for name in LIBRARIES), depends
    simulated = run("apt-get", "install", "--simulate", "--no-install-recommends", deb).stdout
    installs = re.findall(r"^Inst (\S+)", simulated, re.MULTILINE)
    assert installs == ["zarvo-cycles"], f"apt-get would install {installs}"

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
    assert {"Exec=zarvo-cycles", "Icon=zarvo-cycles", "Type=Application"} <= lines, lines

    program, env = f"{root}/usr/bin/zarvo-cycles", ctx.x.env
    version = run("dpkg-deb", "--field", deb, "Version").stdout
    assert run(program, "--version", env=env).stdout == f"Zarvo Cycles {version}"
    shown = run(program, "--help", env=env).stdout
    assert shown.startswith("Usage: ") and "-v, --version" in shown and "--seed" not in shown, shown
    shown = run(program, "--no-such-option", env=env, status=1).stderr
    assert "Unknown option 'no-such-option'" in shown, shown

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
