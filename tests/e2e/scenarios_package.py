"""The program as it is handed out: its command line, and its Debian package, unpacked and run."""

import glob
import os
import re
import shutil
import subprocess

from game import CLIENT_WIDTH
from scenarios_sound import hum_heard_after_start
from seeds import STEADY
from waiting import Failure, check

ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
METAINFO = "usr/share/metainfo/example.zarvo_cycles.ZarvoCycles.metainfo.xml"


def command_line(ctx):
    version = project_version(ctx.build_dir)
    for platform in ("xcb", "offscreen"):
        env = dict(ctx.x.env, QT_QPA_PLATFORM=platform)

        with ctx.step(f"--version prints the name and version ({platform})"):
            shown = run(ctx.program, "--version", env=env)
            check(shown.returncode == 0, f"exit code {shown.returncode}")
            check(shown.stdout == f"Zarvo Cycles {version}\n", f"printed {shown.stdout!r}")

    with ctx.step("--help lists the options on standard output, without the hidden --seed"):
        shown = run(ctx.program, "--help", env=env)
        check(shown.returncode == 0, f"exit code {shown.returncode}")
        text = shown.stdout
        check(text.startswith("Usage: "), f"printed {text[:80]!r}")
        for option in ("-h, --help", "-v, --version"):
            check(option in text, f"{option} missing from:\n{text}")
        check("--seed" not in text, "--seed is listed")

    with ctx.step("an unknown option is refused with exit code 1 and a message"):
        shown = run(ctx.program, "--no-such-option", env=env)
        check(shown.returncode == 1, f"exit code {shown.returncode}")
        check("Unknown option 'no-such-option'" in shown.stderr, f"said {shown.stderr!r}")

    with ctx.step("--seed without a whole number is refused"):
        shown = run(ctx.program, "--seed", "seven", env=env)
        check(shown.returncode != 0, "the game started")


def debian_package(ctx):
    output = os.path.join(ctx.scratch, "package")
    with ctx.step("cpack -G DEB builds the package"):
        built = run(
            "cpack", "-G", "DEB", "--config", os.path.join(ctx.build_dir, "CPackConfig.cmake"),
            "-B", output, cwd=ctx.build_dir, timeout=300,
        )
        check(built.returncode == 0, f"cpack failed:\n{built.stdout}{built.stderr}")
        packages = glob.glob(os.path.join(output, "zarvo-cycles_*.deb"))
        check(len(packages) == 1, f"packages made: {packages}")
        package = packages[0]
        shutil.copy(package, ctx.artefacts)

    with ctx.step("its dependencies are those of the program's libraries"):
        depends = run("dpkg-deb", "--field", package, "Depends").stdout
        libraries = ("libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6multimedia6")
        for library in libraries:
            check(re.search(rf"\b{library} \(>= ", depends), f"{library} missing from: {depends}")

    with ctx.step("apt-get would install it with nothing else to fetch"):
        simulated = run("apt-get", "install", "--simulate", "--no-install-recommends", package)
        check(
            simulated.returncode == 0,
            f"apt-get refused it:\n{simulated.stdout}{simulated.stderr}",
        )
        installs = re.findall(r"^Inst (\S+)", simulated.stdout, re.MULTILINE)
        check(installs == ["zarvo-cycles"], f"apt-get would install {installs}")

    unpacked = os.path.join(ctx.scratch, "unpacked")
    with ctx.step("it holds the program, its sounds, a menu entry, icons and valid metainfo"):
        check(run("dpkg-deb", "-x", package, unpacked).returncode == 0, "dpkg-deb -x failed")
        expected = ["usr/bin/zarvo-cycles", METAINFO, "usr/share/applications/zarvo-cycles.desktop"]
        expected += [f"usr/share/zarvo-cycles/sounds/{cue}.wav"
                     for cue in ("silence", "hum", "turn2", "turn3", "crash")]
        expected += [f"usr/share/icons/hicolor/{n}x{n}/apps/zarvo-cycles.png" for n in ICON_SIZES]
        missing = [path for path in expected if not os.path.isfile(os.path.join(unpacked, path))]
        check(not missing, f"missing: {missing}")
        for n in ICON_SIZES:
            icon = os.path.join(unpacked, f"usr/share/icons/hicolor/{n}x{n}/apps/zarvo-cycles.png")
            check(png_size(icon) == (n, n), f"the {n}x{n} icon is {png_size(icon)}")
        valid = run("appstreamcli", "validate", "--no-net", os.path.join(unpacked, METAINFO))
        check(valid.returncode == 0, f"appstreamcli validate:\n{valid.stdout}{valid.stderr}")
        entry = open(os.path.join(unpacked, "usr/share/applications/zarvo-cycles.desktop")).read()
        for line in ("Exec=zarvo-cycles", "Icon=zarvo-cycles", "Type=Application"):
            check(re.search(rf"^{line}$", entry, re.MULTILINE), f"{line} missing from the entry")

    with ctx.step("the unpacked game opens its window and finds its sounds"):
        program = os.path.join(unpacked, "usr/bin/zarvo-cycles")
        with ctx.game("--seed", STEADY, program=program, name="packaged-game") as game:
            check(game.layout.client.width == CLIENT_WIDTH, "the window is not 626 pixels wide")
            hum_heard_after_start(ctx, "packaged-hum")
            ctx.x.screenshot().save_png(ctx.artefact("07-packaged-game.png"))


def run(*argv, env=None, cwd=None, timeout=60):
    return subprocess.run(
        argv, env=env, cwd=cwd, capture_output=True, text=True, timeout=timeout
    )


def project_version(build_dir):
    with open(os.path.join(build_dir, "CMakeCache.txt")) as cache:
        found = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.+)$", cache.read(), re.MULTILINE)
    if not found:
        raise Failure("no project version in CMakeCache.txt")
    return found.group(1)


def png_size(path):
    with open(path, "rb") as png:
        header = png.read(24)
    return int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")
