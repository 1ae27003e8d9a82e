"""Python module definition"""

from typing import List, Optional, Tuple

__all__: List[str]

class LorpConverter:
    """LORP converter for Python"""

    def __new__(cls) -> "LorpConverter": ...
    @property
    def verbose(self) -> bool:
        """Whether verbose logging is enabled"""
    @verbose.setter
    def verbose(self, value: bool) -> None: ...
    def convert_to_pdf(self, fo_xml: str) -> bytes:
        """Convert XSL-FO string to PDF bytes"""
    def convert_to_svg(self, fo_xml: str) -> str:
        """Convert XSL-FO string to SVG string"""
    def convert_to_text(self, fo_xml: str) -> str:
        """Convert XSL-FO string to plain text"""
    def convert_file(self, input_path: str, output_path: str) -> None:
        """Convert a file to another file

        The output format follows the output path's extension: "svg" gives
        SVG, "txt" text, anything else PDF. Raises OSError when a file cannot
        be read or written, RuntimeError when the conversion fails.
        """
    def validate(self, fo_xml: str) -> Tuple[bool, int, Optional[str]]:
        """Validate an XSL-FO document

        Returns (valid, nodes, error): nodes is 0 and error the message when
        the document does not parse; error is None when it does.
        """
    def version(self) -> str:
        """Get version information"""

def convert_to_pdf(fo_xml: str) -> bytes:
    """One-shot conversion: XSL-FO string to PDF bytes"""

def convert_to_svg(fo_xml: str) -> str:
    """One-shot conversion: XSL-FO string to SVG string"""

def version() -> str:
    """Get version information"""
