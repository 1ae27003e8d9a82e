"""The one built lorp.abi3.so loads and works under every CPython 3 on the
machine from the module's minimum on: the system one, the one running the
tests, and each pyenv version present."""

import glob
import os
import pathlib
import subprocess
import sys

import pytest

import lorp

MINIMUM = (3, 9)
MODULE_DIR = pathlib.Path(lorp.__file__).parent


def candidates():
    pyenv_root = os.environ.get("PYENV_ROOT", os.path.expanduser("~/.pyenv"))
    paths = [sys.executable, "/usr/bin/python3"]
    paths += sorted(glob.glob(os.path.join(pyenv_root, "versions", "*", "bin", "python3")))
    unique = {}
    for path in paths:
        if os.access(path, os.X_OK):
            unique.setdefault(os.path.realpath(path), path)
    return list(unique.values())


def version_of(python):
    out = subprocess.run([python, "-c", "import sys; print(*sys.version_info[:2])"],
                         capture_output=True, text=True, timeout=60)
    return tuple(int(part) for part in out.stdout.split()) if out.returncode == 0 else None


CHECK = f"""
import lorp
assert lorp.__file__ == {str(MODULE_DIR / "lorp.abi3.so")!r}, lorp.__file__
converter = lorp.LorpConverter()
assert converter.validate("") == (True, 0, None)
valid, nodes, error = converter.validate('<fo:root xmlns:fo="http://www.w3.org/1999/XSL/Format"/>')
assert valid and error is None, error
converter.verbose = True
assert repr(converter) == "LorpConverter(verbose=true)"
print(lorp.version())
"""


@pytest.mark.parametrize("python", candidates())
def test_module_works_under_interpreter(python):
    version = version_of(python)
    if version is None:
        pytest.skip(f"{python} does not run")
    if version < MINIMUM:
        pytest.skip(f"{python} is Python {version[0]}.{version[1]}, below the minimum")
    env = dict(os.environ, PYTHONPATH=str(MODULE_DIR), PYTHONDONTWRITEBYTECODE="1")
    out = subprocess.run([python, "-s", "-c", CHECK], env=env, capture_output=True, text=True,
                         timeout=120)
    assert out.returncode == 0, out.stderr
    assert out.stdout == "lorp-python 0.1.0\n"
