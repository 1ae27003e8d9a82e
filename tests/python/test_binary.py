"""The built file: stable-ABI name, one exported symbol, no libpython, its stub."""

import ast
import pathlib
import shutil
import subprocess

import pytest

import lorp

MODULE = pathlib.Path(lorp.__file__)


def tool(name):
    path = shutil.which(name)
    if path is None:
        pytest.skip(f"{name} is not installed")
    return path


def test_file_is_named_for_the_stable_abi():
    assert MODULE.name == "lorp.abi3.so"


def test_only_the_initialisation_function_is_exported():
    listing = subprocess.run([tool("nm"), "-D", "--defined-only", str(MODULE)],
                             check=True, capture_output=True, text=True).stdout
    names = [line.split()[-1] for line in listing.splitlines() if line.strip()]
    assert names == ["PyInit_lorp"]


def test_libpython_is_not_linked():
    dynamic = subprocess.run([tool("readelf"), "-d", str(MODULE)],
                             check=True, capture_output=True, text=True).stdout
    needed = [line for line in dynamic.splitlines() if "(NEEDED)" in line]
    assert needed
    assert not [line for line in needed if "libpython" in line]


def stub_names(tree):
    """Top-level names of a stub and the members of each class in it."""
    top, members = set(), {}
    for node in tree.body:
        if isinstance(node, (ast.FunctionDef, ast.ClassDef)):
            top.add(node.name)
        if isinstance(node, ast.ClassDef):
            members[node.name] = {n.name for n in node.body if isinstance(n, ast.FunctionDef)}
    return top, members


def test_stub_next_to_the_module_describes_what_it_publishes():
    stub = MODULE.with_name("lorp.pyi")
    assert stub.is_file()
    top, members = stub_names(ast.parse(stub.read_text(encoding="utf-8")))
    public = {n for n in dir(lorp.LorpConverter) if not n.startswith("_")}
    assert top == set(lorp.__all__)
    assert members["LorpConverter"] - {"__new__"} == public
