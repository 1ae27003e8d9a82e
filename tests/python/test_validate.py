"""validate: the parse alone, reported as (valid, nodes, error), never raised."""

import re

import pytest

from conftest import DUPLICATE_ID, FOREIGN_ONLY, MALFORMED, MINIMAL

import lorp


@pytest.mark.parametrize("document", ["", FOREIGN_ONLY], ids=["empty", "foreign-only"])
def test_documents_without_fo_elements_are_valid_and_empty(converter, document):
    assert converter.validate(document) == (True, 0, None)


def test_valid_document_counts_element_and_text_nodes(converter):
    # root, layout-master-set, simple-page-master, region-body, page-sequence,
    # flow, block and the block's text
    result = converter.validate(MINIMAL)
    assert result == (True, 8, None)
    assert type(result[1]) is int


def flow_without_name():
    return MINIMAL.replace(' flow-name="xsl-region-body"', "")


# (document, regular expression the whole message must match)
FAILURES = [
    (DUPLICATE_ID,
     r"Duplicate ID 'x': already used by node 6 \(attempted reuse at node 8\)"),
    (MALFORMED, r"XML parsing error at line \d+, column \d+: XML parsing error: .+"),
    (MINIMAL.replace("<fo:block>Hello</fo:block>", "<fo:foo/>"),
     r"Invalid element: Unknown FO element: foo"),
    (flow_without_name(), r"Missing required attribute flow-name on element flow"),
]


@pytest.mark.parametrize("document, message", FAILURES,
                         ids=["duplicate-id", "malformed", "unknown-element", "missing-attribute"])
def test_parse_failures_are_reported_not_raised(converter, document, message):
    valid, nodes, error = converter.validate(document)
    assert (valid, nodes) == (False, 0)
    assert isinstance(error, str)
    assert re.fullmatch(message, error), error


@pytest.mark.parametrize("document", ["", FOREIGN_ONLY, MINIMAL, MALFORMED, DUPLICATE_ID])
def test_verbose_changes_nothing(document):
    quiet, chatty = lorp.LorpConverter(), lorp.LorpConverter()
    chatty.verbose = True
    assert chatty.validate(document) == quiet.validate(document)
