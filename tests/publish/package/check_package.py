#!/usr/bin/env python3
"""The Debian package of pelimor-publish, as an operator installs it: its control data, its files,
its systemd units, and the installed program run with the installed configuration, which must
write the same files as the build's program given the same options on the command line.

    check_package.py BUILD      (BUILD holds pelimor-publish and the .deb that CPack made)

The package is unpacked into a throw-away root (dpkg-deb -x), so nothing is installed on this
machine. Ends with one line "N passed, N failed"."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.getcwd()
SOURCES = os.path.join(ROOT, "tools", "sample_sources")
passed = failed = 0


def check(name, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print("PASS " + name)
    else:
        failed += 1
        print("FAIL " + name + (": " + str(detail)[:400] if detail else ""))


def deb_of(build):
    names = [n for n in os.listdir(build) if re.fullmatch(r"pelimor-publish_[0-9.]+_[a-z0-9]+\.deb", n)]
    return os.path.join(build, sorted(names)[-1]) if names else None


def field(deb, name):
    return subprocess.run(["dpkg-deb", "-f", deb, name], capture_output=True, text=True).stdout.strip()


def check_control(deb):
    check("the package is named pelimor-publish_VERSION_amd64.deb",
          re.search(r"/pelimor-publish_\d+\.\d+_amd64\.deb$", deb), deb)
    depends = [d.strip().split(" ")[0] for d in field(deb, "Depends").split(",")]
    for library in ("libical3", "libxml2", "libcurl4", "adduser"):
        check("the package depends on " + library, library in depends, depends)
    control = tempfile.mkdtemp()
    try:
        subprocess.run(["dpkg-deb", "-e", deb, control], check=True)
        with open(os.path.join(control, "conffiles")) as f:
            check("the configuration is a conffile (an upgrade keeps the operator's edits)",
                  "/etc/pelimor/publish.conf" in f.read().split())
        with open(os.path.join(control, "postinst")) as f:
            postinst = f.read()
        check("the package makes a system user of its own",
              "adduser --system" in postinst and "pelimor-publish" in postinst)
        check("only that user may write the served folder",
              "-o pelimor-publish" in postinst and "/srv/pelimor/sv_pelimor/websys" in postinst)
        for script in ("postinst", "prerm", "postrm"):
            syntax = subprocess.run(["sh", "-n", os.path.join(control, script)], capture_output=True)
            check(script + " is a valid shell script", syntax.returncode == 0, syntax.stderr)
    finally:
        shutil.rmtree(control)


def unit(root, name):
    with open(os.path.join(root, "lib", "systemd", "system", name)) as f:
        return dict(re.findall(r"^([A-Za-z]+)=(.*)$", f.read(), re.M))


def check_files(root):
    for path in ("usr/bin/pelimor-publish", "etc/pelimor/publish.conf",
                 "lib/systemd/system/pelimor-publish.service", "lib/systemd/system/pelimor-publish.timer",
                 "usr/share/doc/pelimor-publish/README", "usr/share/doc/pelimor-publish/nginx-pelimor.conf"):
        check("the package installs /" + path, os.path.isfile(os.path.join(root, path)))
    service = unit(root, "pelimor-publish.service")
    check("the service runs the installed configuration",
          service.get("ExecStart") == "/usr/bin/pelimor-publish --config /etc/pelimor/publish.conf",
          service.get("ExecStart"))
    check("the service runs as the package's user, not the web server's",
          service.get("User") == "pelimor-publish" and service.get("User") != "www-data")
    for option, value in (("ProtectSystem", "strict"), ("NoNewPrivileges", "yes"), ("PrivateTmp", "yes"),
                          ("ReadWritePaths", "/srv/pelimor/sv_pelimor/websys")):
        check("the service sets %s=%s" % (option, value), service.get(option) == value, service.get(option))
    with open(os.path.join(root, "etc", "pelimor", "publish.conf")) as f:
        check("the service may write the folder the configuration names",
              "--out " + service.get("ReadWritePaths", "?") in f.read())
    timer = unit(root, "pelimor-publish.timer")
    check("the timer runs every five minutes", timer.get("OnCalendar") == "*:0/5", timer)
    with open(os.path.join(root, "usr", "share", "doc", "pelimor-publish", "nginx-pelimor.conf")) as f:
        nginx = f.read()
    check("the nginx example serves TLS and denies the state file",
          "listen 443 ssl" in nginx and "pelimor-publish.state { deny all; }" in nginx)
    verify = shutil.which("systemd-analyze")
    if verify:
        units = [os.path.join(root, "lib", "systemd", "system", n)
                 for n in ("pelimor-publish.service", "pelimor-publish.timer")]
        result = subprocess.run([verify, "verify", "--man=no"] + units, capture_output=True, text=True)
        # The program is not installed on this machine, so its absence is the one report
        # expected; an unknown key or a value systemd cannot parse is a fault.
        problems = [line for line in (result.stdout + result.stderr).splitlines()
                    if line.strip() and "is not executable" not in line]
        check("systemd-analyze verify finds no fault in the units", not problems, problems)


def configuration(installed_conf, out, sources):
    """The installed configuration, edited as an operator would: its folder and some sources."""
    with open(installed_conf) as f:
        lines = [line for line in f.read().splitlines() if not line.startswith("--out ")]
    lines.append("--out " + out)
    for name in ("calendar.ics", "calendar.csv", "calendar.json"):
        lines.append("--calendar " + os.path.join(sources, name))
    lines += ["--news " + os.path.join(sources, "news.rss"), "--notices " + os.path.join(SOURCES, "notices")]
    return "\n".join(lines) + "\n"


# Files whose bytes hold the run's own time (a header stamp, the poll counter, first-seen times).
TIMED = {"qznnews.dat", "qzninfo.dat", "qznhnd_update.dat", "pelimor-publish.state"}


def published(folder):
    files = {}
    for base, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(base, name)
            with open(path, "rb") as f:
                data = f.read()
            if name in ("qznnews.dat", "qzninfo.dat"):
                data = data.split(b"\n", 1)[-1]  # the items, without the header's time stamp
            elif name in TIMED:
                data = b""
            files[os.path.relpath(path, folder)] = data
    return files


def check_installed_run(root, build, work):
    sources = os.path.join(work, "sources")
    subprocess.run(["python3", os.path.join(SOURCES, "make_sources.py"), sources], check=True)
    conf = os.path.join(work, "publish.conf")
    out_installed, out_command = os.path.join(work, "installed"), os.path.join(work, "command")
    os.makedirs(out_installed)
    os.makedirs(out_command)
    with open(conf, "w") as f:
        f.write(configuration(os.path.join(root, "etc", "pelimor", "publish.conf"), out_installed, sources))
    program = os.path.join(root, "usr", "bin", "pelimor-publish")
    checked = subprocess.run([program, "--config", conf, "--check"], capture_output=True, text=True)
    check("--check with the installed configuration finds every source usable",
          checked.returncode == 0 and "calendar.json: 4 events" in checked.stdout, checked.stdout)
    check("--check writes nothing", os.listdir(out_installed) == [], os.listdir(out_installed))
    run = subprocess.run([program, "--config", conf], capture_output=True, text=True)
    check("the installed program publishes with the installed configuration", run.returncode == 0,
          run.stdout + run.stderr)
    command = [os.path.join(build, "pelimor-publish"), "--out", out_command, "--tz", "Asia/Tokyo"]
    for name in ("calendar.ics", "calendar.csv", "calendar.json"):
        command += ["--calendar", os.path.join(sources, name)]
    command += ["--news", os.path.join(sources, "news.rss"), "--notices", os.path.join(SOURCES, "notices")]
    subprocess.run(command, check=True, capture_output=True)
    a, b = published(out_installed), published(out_command)
    check("the installed run writes the same files as the command line", a == b and len(a) >= 10,
          sorted(set(a) ^ set(b)) or [k for k in a if a[k] != b.get(k)])


def main():
    build = os.path.abspath(sys.argv[1])
    deb = deb_of(build)
    check("CPack made the package", deb is not None, os.listdir(build))
    if deb:
        work = tempfile.mkdtemp(prefix="pelimor-package-")
        try:
            root = os.path.join(work, "root")
            subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
            check_control(deb)
            check_files(root)
            check_installed_run(root, build, work)
        finally:
            shutil.rmtree(work)
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
