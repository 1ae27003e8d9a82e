"""The names, docstrings, argument handling and exceptions of the lorp module."""

import importlib.util
import pathlib

import pytest

import lorp

# Every public name in publishing order.
PUBLIC_NAMES = ["LorpConverter", "convert_to_pdf", "convert_to_svg", "version"]


def test_all_lists_the_public_names_in_order():
    assert lorp.__all__ == PUBLIC_NAMES
    assert sorted(n for n in dir(lorp) if not n.startswith("_")) == sorted(PUBLIC_NAMES)
    for never in ("convert_to_text", "convert_file", "validate"):
        assert not hasattr(lorp, never)


def test_star_import_brings_exactly_all():
    namespace = {}
    exec("from lorp import *", namespace)
    del namespace["__builtins__"]
    assert sorted(namespace) == sorted(lorp.__all__)
    assert namespace["LorpConverter"] is lorp.LorpConverter


CONVERTER_DOC = (
    "LORP converter for Python\n\nUsage:\n```python\nimport lorp\n\n"
    "converter = lorp.LorpConverter()\n"
    "pdf_bytes = converter.convert_to_pdf(fo_xml_string)\n"
    "svg_string = converter.convert_to_svg(fo_xml_string)\n"
    'converter.convert_file("input.fo", "output.pdf")\n```'
)

ARGS_FO_XML = "Args:\n    fo_xml: XSL-FO document as a string\n\n"

# (owner, name, __text_signature__, __doc__)
DOCSTRINGS = [
    ("lorp", "convert_to_pdf", "(fo_xml)",
     "One-shot conversion: XSL-FO string \u2192 PDF bytes\n\n" + ARGS_FO_XML
     + "Returns:\n    PDF content as bytes"),
    ("lorp", "convert_to_svg", "(fo_xml)",
     "One-shot conversion: XSL-FO string \u2192 SVG string\n\n" + ARGS_FO_XML
     + "Returns:\n    SVG content as a string"),
    ("lorp", "version", "()", "Get version information"),
    ("LorpConverter", "convert_to_pdf", "($self, fo_xml)",
     "Convert XSL-FO string to PDF bytes\n\n" + ARGS_FO_XML + "Returns:\n    PDF content as bytes"),
    ("LorpConverter", "convert_to_svg", "($self, fo_xml)",
     "Convert XSL-FO string to SVG string\n\n" + ARGS_FO_XML
     + "Returns:\n    SVG content as a string"),
    ("LorpConverter", "convert_to_text", "($self, fo_xml)",
     "Convert XSL-FO string to plain text\n\n" + ARGS_FO_XML
     + "Returns:\n    Plain text content as a string"),
    ("LorpConverter", "convert_file", "($self, input_path, output_path)",
     "Convert a file to another file\n\nArgs:\n"
     "    input_path: Path to the input XSL-FO file\n"
     "    output_path: Path to the output file (format detected from extension)"),
    ("LorpConverter", "validate", "($self, fo_xml)",
     "Validate an XSL-FO document\n\n" + ARGS_FO_XML
     + 'Returns:\n    Dictionary with "valid" (bool), "nodes" (int), and optionally "error" (str)'),
    ("LorpConverter", "version", "($self)", "Get version information"),
]


def resolve(owner):
    return lorp if owner == "lorp" else lorp.LorpConverter


@pytest.mark.parametrize("owner, name, signature, doc", DOCSTRINGS,
                         ids=[f"{o}.{n}" for o, n, _, _ in DOCSTRINGS])
def test_callable_docstrings(owner, name, signature, doc):
    member = getattr(resolve(owner), name)
    assert member.__text_signature__ == signature
    assert member.__doc__ == doc


def test_module_class_and_property_docstrings():
    assert lorp.__doc__ == "Python module definition"
    assert lorp.LorpConverter.__doc__ == CONVERTER_DOC
    # Older interpreters drop the signature of a type made from a spec.
    assert lorp.LorpConverter.__text_signature__ in ("()", None)
    assert lorp.LorpConverter.verbose.__doc__ == "Whether verbose logging is enabled"


def test_version_from_module_and_converter(converter):
    assert lorp.version() == "lorp-python 0.1.0"
    assert converter.version() == "lorp-python 0.1.0"
    assert type(lorp.version()) is str


# (target, args, kwargs, text the TypeError must contain)
TYPE_ERRORS = [
    ("converter.validate", (b"<root/>",), {}, "'fo_xml' must be str, not bytes"),
    ("converter.validate", (), {"fo_xml": None}, "'fo_xml' must be str, not NoneType"),
    ("converter.validate", (), {}, "'fo_xml'"),
    ("converter.validate", ("", ""), {}, "validate()"),
    ("converter.validate", (), {"fo_xml": "", "strict": True}, "validate()"),
    ("converter.validate", (), {"xml": ""}, "xml"),
    ("converter.version", ("x",), {}, "version()"),
    ("lorp.version", ("x",), {}, "version()"),
    ("lorp.convert_to_pdf", (b"<root/>",), {}, "'fo_xml' must be str, not bytes"),
    ("lorp.convert_to_svg", (), {"fo_xml": 1}, "'fo_xml' must be str, not int"),
    ("converter.convert_to_pdf", (b"<root/>",), {}, "'fo_xml' must be str, not bytes"),
    ("converter.convert_to_svg", (bytearray(b"x"),), {}, "'fo_xml' must be str"),
    ("converter.convert_to_text", (None,), {}, "'fo_xml' must be str, not NoneType"),
    ("converter.convert_file", (pathlib.Path("in.fo"), "out.pdf"), {},
     "'input_path' must be str, not PosixPath"),
    ("converter.convert_file", ("in.fo", pathlib.Path("out.pdf")), {},
     "'output_path' must be str, not PosixPath"),
    ("converter.convert_file", (), {"input_path": "in.fo", "output_path": b"out.pdf"},
     "'output_path' must be str, not bytes"),
    ("converter.convert_file", ("in.fo",), {}, "'output_path'"),
]


@pytest.mark.parametrize("target, args, kwargs, expected", TYPE_ERRORS)
def test_argument_errors_name_the_parameter(target, args, kwargs, expected):
    owner, name = target.split(".")
    holder = lorp.LorpConverter() if owner == "converter" else lorp
    with pytest.raises(TypeError) as raised:
        getattr(holder, name)(*args, **kwargs)
    assert expected in str(raised.value)


def test_arguments_by_keyword(converter):
    assert converter.validate(fo_xml="") == converter.validate("")


def test_text_that_is_not_unicode_is_refused(converter):
    with pytest.raises(UnicodeEncodeError):
        converter.validate("<a>\ud800</a>")


@pytest.mark.parametrize("args, kwargs, expected", [
    ((), {"verbose": True}, "got an unexpected keyword argument 'verbose'"),
    ((True,), {}, "takes no arguments (1 given)"),
    ((1, 2), {}, "takes no arguments (2 given)"),
])
def test_constructor_takes_no_arguments(args, kwargs, expected):
    with pytest.raises(TypeError) as raised:
        lorp.LorpConverter(*args, **kwargs)
    assert str(raised.value) == "LorpConverter() " + expected


def test_verbose_is_a_checked_bool_shown_in_repr():
    converter, other = lorp.LorpConverter(), lorp.LorpConverter()
    assert converter.verbose is False
    assert repr(converter) == "LorpConverter(verbose=false)"

    converter.verbose = True
    assert converter.verbose is True
    assert repr(converter) == "LorpConverter(verbose=true)"
    assert other.verbose is False  # instances hold their own flag

    for value in (1, 0, None, "false", 1.0):
        with pytest.raises(TypeError, match="verbose"):
            converter.verbose = value
        assert converter.verbose is True

    with pytest.raises(AttributeError) as raised:
        del converter.verbose
    assert raised.value.args == ("can't delete attribute",)
    assert converter.verbose is True

    converter.verbose = False
    assert repr(converter) == "LorpConverter(verbose=false)"


def test_converter_is_not_subclassable_and_has_no_instance_dict(converter):
    with pytest.raises(TypeError):
        type("Sub", (lorp.LorpConverter,), {})
    with pytest.raises(AttributeError):
        converter.extra = 1


def test_module_initialises_again_independently():
    spec = importlib.util.spec_from_file_location("lorp", lorp.__file__)
    second = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(second)
    assert second is not lorp
    assert second.LorpConverter is not lorp.LorpConverter
    assert second.__all__ == lorp.__all__
    assert second.LorpConverter().validate("") == (True, 0, None)
