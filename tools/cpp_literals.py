"""Helpers shared by the table generators."""


def utf16_literal(text):
    """A u"..." literal with everything outside printable ASCII escaped, so
    the generated source reads the same under any compiler's source character
    set. '?' is escaped too, against trigraphs."""
    out = []
    for ch in text:
        code = ord(ch)
        if ch in '"\\?':
            out.append("\\" + ch)
        elif 0x20 <= code < 0x7F:
            out.append(ch)
        elif code <= 0xFFFF:
            out.append("\\u%04X" % code)
        else:
            out.append("\\U%08X" % code)
    return 'u"' + "".join(out) + '"'
