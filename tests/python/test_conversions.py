"""The conversions and convert_file as Python sees them: result types, the
file written, and which failures become RuntimeError and which OSError."""

import os

import pytest

from conftest import MALFORMED, MINIMAL

import lorp


# (name, result type)
CONVERSIONS = [("convert_to_pdf", bytes), ("convert_to_svg", str), ("convert_to_text", str)]


@pytest.mark.parametrize("name, result_type", CONVERSIONS)
def test_conversion_results_ignore_verbose_and_match_the_module_function(name, result_type):
    quiet, chatty = lorp.LorpConverter(), lorp.LorpConverter()
    chatty.verbose = True
    result = getattr(quiet, name)(MINIMAL)
    assert type(result) is result_type and result
    assert getattr(chatty, name)(fo_xml=MINIMAL) == result
    if hasattr(lorp, name):
        assert getattr(lorp, name)(MINIMAL) == result


@pytest.mark.parametrize("name", [name for name, _ in CONVERSIONS])
def test_conversion_failure_is_runtime_error_with_the_message(name):
    converter = lorp.LorpConverter()
    with pytest.raises(RuntimeError) as raised:
        getattr(converter, name)(MALFORMED)
    assert not isinstance(raised.value, OSError)
    (message,) = raised.value.args
    assert message == converter.validate(MALFORMED)[2]


@pytest.fixture
def files(tmp_path):
    source = tmp_path / "in.fo"
    source.write_text(MINIMAL, encoding="utf-8")
    return tmp_path, str(source)


@pytest.mark.parametrize("output_name, method", [
    ("out.pdf", "convert_to_pdf"),
    ("out", "convert_to_pdf"),
    ("out.SVG", "convert_to_pdf"),
    ("out.svg", "convert_to_svg"),
    ("out.tar.svg", "convert_to_svg"),
    ("out.txt", "convert_to_text"),
])
def test_convert_file_writes_the_format_of_the_extension(converter, files, output_name, method):
    tmp_path, source = files
    output = tmp_path / output_name
    assert converter.convert_file(source, str(output)) is None
    expected = getattr(converter, method)(MINIMAL)
    assert output.read_bytes() == (expected if type(expected) is bytes else expected.encode())


def test_convert_file_failures_map_to_their_exceptions(converter, files):
    tmp_path, source = files
    missing = str(tmp_path / "missing.fo")
    output = tmp_path / "out.pdf"

    with pytest.raises(IOError) as raised:
        converter.convert_file(missing, str(output))
    assert raised.value.args == (f"Failed to read {missing}: No such file or directory (os error 2)",)
    assert not output.exists()

    latin1 = tmp_path / "latin1.fo"
    latin1.write_bytes(MINIMAL.replace("Hello", "caf\xe9").encode("latin-1"))
    with pytest.raises(OSError) as raised:
        converter.convert_file(str(latin1), str(output))
    assert raised.value.args == (f"Failed to read {latin1}: stream did not contain valid UTF-8",)

    with pytest.raises(OSError) as raised:
        converter.convert_file("in\0.fo", str(output))
    assert raised.value.args == (
        "Failed to read in\0.fo: file name contained an unexpected NUL byte",)

    malformed = tmp_path / "malformed.fo"
    malformed.write_text(MALFORMED, encoding="utf-8")
    with pytest.raises(RuntimeError):
        converter.convert_file(str(malformed), str(output))
    assert not output.exists()

    unwritable = str(tmp_path / "no" / "dir" / "out.pdf")
    with pytest.raises(OSError) as raised:
        converter.convert_file(source, unwritable)
    assert raised.value.args == (
        f"Failed to write {unwritable}: No such file or directory (os error 2)",)

    with pytest.raises(OSError) as raised:
        converter.convert_file(source, "out\0.pdf")
    assert raised.value.args == (
        "Failed to write out\0.pdf: file name contained an unexpected NUL byte",)


def test_convert_file_takes_undecodable_file_names_as_python_gives_them(converter, files):
    tmp_path, _ = files
    raw = os.fsencode(str(tmp_path)) + b"/caf\xe9.fo"  # not UTF-8
    with open(raw, "w", encoding="utf-8") as source:
        source.write(MINIMAL)
    name = os.fsdecode(raw)  # the surrogate-escaped str os.listdir would give
    converter.convert_file(name, str(tmp_path / "out.pdf"))
    assert (tmp_path / "out.pdf").read_bytes() == converter.convert_to_pdf(MINIMAL)

    missing = name.replace(".fo", ".gone")
    with pytest.raises(OSError) as raised:
        converter.convert_file(missing, str(tmp_path / "out.pdf"))
    assert raised.value.args == (f"Failed to read {missing}: No such file or directory (os error 2)",)
