"""Converts every .fo document in a folder to PDF, SVG and text with lorp.

Usage: convert_examples.py <folder holding lorp.abi3.so> <examples folder> <output folder>
"""
import pathlib
import sys


def main() -> int:
    module_dir, examples_dir, out_dir = (pathlib.Path(a) for a in sys.argv[1:4])
    sys.path.insert(0, str(module_dir.resolve()))
    import lorp

    out_dir.mkdir(parents=True, exist_ok=True)
    converter = lorp.LorpConverter()
    documents = sorted(examples_dir.glob("*.fo"))
    for document in documents:
        for suffix in (".pdf", ".svg", ".txt"):
            target = out_dir / (document.stem + suffix)
            converter.convert_file(str(document), str(target))
            print(f"{document.name} -> {target}")
    print(f"{len(documents)} documents converted into {out_dir.resolve()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
