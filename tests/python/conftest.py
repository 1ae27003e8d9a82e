"""Shared documents and helpers for the lorp module tests.

The module under test is the built lorp.abi3.so, found through PYTHONPATH
(ctest points it at the build tree).
"""

import pytest

import lorp

FO_NS = "http://www.w3.org/1999/XSL/Format"

# One page with one block of text: seven FO elements and one text node.
MINIMAL = (
    f'<fo:root xmlns:fo="{FO_NS}">'
    "<fo:layout-master-set>"
    '<fo:simple-page-master master-name="A4"><fo:region-body/></fo:simple-page-master>'
    "</fo:layout-master-set>"
    '<fo:page-sequence master-reference="A4">'
    '<fo:flow flow-name="xsl-region-body"><fo:block>Hello</fo:block></fo:flow>'
    "</fo:page-sequence>"
    "</fo:root>"
)

# Only elements of another namespace: no FO node at all.
FOREIGN_ONLY = '<doc xmlns="urn:example"><p id="a">text</p><p>more</p></doc>'

DUPLICATE_ID = (
    f'<fo:root xmlns:fo="{FO_NS}">'
    "<fo:layout-master-set>"
    '<fo:simple-page-master master-name="A4"><fo:region-body/></fo:simple-page-master>'
    "</fo:layout-master-set>"
    '<fo:page-sequence master-reference="A4">'
    '<fo:flow flow-name="xsl-region-body">'
    '<fo:block id="x">one</fo:block><fo:block id="x">two</fo:block>'
    "</fo:flow></fo:page-sequence></fo:root>"
)

MALFORMED = f'<fo:root xmlns:fo="{FO_NS}"><fo:block></fo:root>'


@pytest.fixture
def converter():
    return lorp.LorpConverter()
