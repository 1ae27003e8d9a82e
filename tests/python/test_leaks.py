"""Repeated calls keep memory flat: no reference or C++ allocation leaks."""

import os
import sys
import tracemalloc

import pytest

from conftest import FO_NS, MALFORMED, MINIMAL

import lorp

# Big enough that a tree or message kept per call shows in the RSS at once.
LARGE = MINIMAL.replace(
    "<fo:block>Hello</fo:block>",
    "".join(f'<fo:block id="b{i}">Paragraph {i} of the leak check</fo:block>' for i in range(300)),
)
DOCUMENTS = ["", MINIMAL, LARGE, MALFORMED, f'<fo:root xmlns:fo="{FO_NS}"><fo:foo/></fo:root>']
CALLS = 10_000


def rss_bytes():
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * os.sysconf("SC_PAGE_SIZE")


def run(converter, calls):
    for i in range(calls):
        converter.validate(DOCUMENTS[i % len(DOCUMENTS)])


@pytest.mark.skipif(os.environ.get("LORP_SANITIZE") == "1",
                    reason="the address sanitizer's quarantine holds freed memory")
def test_ten_thousand_validations_do_not_grow_memory():
    converter = lorp.LorpConverter()
    run(converter, 1_000)  # caches and allocator arenas settle first
    refcounts = [sys.getrefcount(d) for d in DOCUMENTS]

    rss_before = rss_bytes()
    tracemalloc.start()
    traced_before, _ = tracemalloc.get_traced_memory()
    run(converter, CALLS)
    traced_after, _ = tracemalloc.get_traced_memory()
    tracemalloc.stop()
    rss_after = rss_bytes()

    # Python objects (a result tuple or message kept per call would be
    # hundreds of kilobytes here), then everything else, C++ included.
    assert traced_after - traced_before < 64 * 1024
    assert rss_after - rss_before < 4 * 1024 * 1024
    assert [sys.getrefcount(d) for d in DOCUMENTS] == refcounts
