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
    def validate(self, fo_xml: str) -> Tuple[bool, int, Optional[str]]:
        """Validate an XSL-FO document

        Returns (valid, nodes, error): nodes is 0 and error the message when
        the document does not parse; error is None when it does.
        """
    def version(self) -> str:
        """Get version information"""

def version() -> str:
    """Get version information"""
