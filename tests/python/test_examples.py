"""The bundled example documents, converted the way users convert them, and
checked by real readers where they are installed."""

import pathlib
import shutil
import subprocess

import pytest

import lorp

EXAMPLES = sorted((pathlib.Path(__file__).resolve().parents[2] / "examples").glob("*.fo"))


def tool(name):
    path = shutil.which(name)
    if path is None:
        pytest.skip(f"{name} is not installed")
    return path


def run(*command):
    done = subprocess.run(command, capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    return done


def test_there_are_examples():
    assert EXAMPLES


@pytest.mark.parametrize("document", EXAMPLES, ids=lambda p: p.name)
def test_example_validates_and_converts_to_every_format(document, tmp_path):
    converter = lorp.LorpConverter()
    valid, nodes, error = converter.validate(document.read_text(encoding="utf-8"))
    assert (valid, error) == (True, None) and nodes > 0
    for suffix in (".pdf", ".svg", ".txt"):
        converter.convert_file(str(document), str(tmp_path / ("out" + suffix)))
    assert (tmp_path / "out.txt").read_text(encoding="utf-8").strip()


@pytest.mark.parametrize("document", EXAMPLES, ids=lambda p: p.name)
def test_example_pdf_passes_qpdf_and_renders(document, tmp_path):
    pdf = tmp_path / "out.pdf"
    lorp.LorpConverter().convert_file(str(document), str(pdf))
    checked = run(tool("qpdf"), "--check", str(pdf))
    assert "No syntax or stream encoding errors" in checked.stdout
    assert "WARNING" not in checked.stdout + checked.stderr
    run(tool("mutool"), "draw", "-q", "-o", str(tmp_path / "page%d.png"), str(pdf))


@pytest.mark.parametrize("document", EXAMPLES, ids=lambda p: p.name)
def test_example_svg_is_well_formed_and_renders(document, tmp_path):
    svg = tmp_path / "out.svg"
    lorp.LorpConverter().convert_file(str(document), str(svg))
    run(tool("xmllint"), "--noout", str(svg))
    run(tool("rsvg-convert"), "-o", str(tmp_path / "out.png"), str(svg))
    assert (tmp_path / "out.png").stat().st_size > 0
