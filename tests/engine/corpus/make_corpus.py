#!/usr/bin/python3
"""Writes the corpus of broken and hostile packages that the .docx reader must refuse.

Each file is small on disk; some claim or expand to far more. expected.txt lists every
file with a word that the reader's error description must contain. Run it from anywhere:
    /usr/bin/python3 tests/engine/corpus/make_corpus.py
"""
import io
import os
import struct
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))

CONTENT_TYPES = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
    '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="xml" ContentType="application/xml"/>'
    '<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-'
    'officedocument.wordprocessingml.document.main+xml"/>'
    '</Types>')


def rels(target="word/document.xml"):
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/'
            '2006/relationships/officeDocument" Target="%s"/></Relationships>' % target)


W = 'http://schemas.openxmlformats.org/wordprocessingml/2006/main'


def document(body):
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
            '<w:document xmlns:w="%s"><w:body>%s</w:body></w:document>' % (W, body))


GOOD_BODY = '<w:p><w:r><w:t>Hello</w:t></w:r></w:p>'


def package(entries, compression=zipfile.ZIP_DEFLATED):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, 'w', compression) as z:
        for name, data in entries:
            if isinstance(data, str):
                data = data.encode('utf-8')
            z.writestr(zipfile.ZipInfo(name, (2024, 1, 1, 0, 0, 0)), data,
                       compress_type=compression)
    return buffer.getvalue()


def minimal(document_xml=None, extra=(), target="word/document.xml"):
    entries = [('[Content_Types].xml', CONTENT_TYPES), ('_rels/.rels', rels(target)),
               ('word/document.xml', document_xml or document(GOOD_BODY))]
    return package(entries + list(extra))


def patch_all(data, signature, offset, fmt, value):
    """Sets a field at `offset` in every local (or central) header with this signature."""
    out = bytearray(data)
    start = 0
    while True:
        at = out.find(signature, start)
        if at < 0:
            break
        struct.pack_into(fmt, out, at + offset, value)
        start = at + 4
    return bytes(out)


LOCAL = b'PK\x03\x04'
CENTRAL = b'PK\x01\x02'

corpus = {}
expected = {}


def add(name, data, word):
    corpus[name] = data
    expected[name] = word


add('empty.docx', b'', 'not a Word document')
add('plain_text.docx', b'This is plain text, not a package.\n' * 4, 'not a Word document')
add('truncated.docx', minimal()[:150], 'not a valid zip')
add('no_document_part.docx',
    package([('[Content_Types].xml', CONTENT_TYPES), ('_rels/.rels', rels())]),
    'word/document.xml')
add('no_content_types.docx',
    package([('_rels/.rels', rels()), ('word/document.xml', document(GOOD_BODY))]),
    '[Content_Types].xml')
add('no_relationships.docx',
    package([('[Content_Types].xml', CONTENT_TYPES), ('word/document.xml', document(GOOD_BODY))]),
    '_rels/.rels')
add('bad_xml.docx', minimal(document_xml='<w:document xmlns:w="%s"><w:body><w:p>' % W),
    'XML')
add('not_xml.docx', minimal(document_xml='\x00\x01binary junk\xff'), 'XML')
add('wrong_root.docx', minimal(document_xml='<html><body>Hi</body></html>'),
    'not a WordprocessingML document')
add('doctype_entities.docx', minimal(document_xml=(
    '<?xml version="1.0"?><!DOCTYPE w:document [<!ENTITY a "aaaaaaaaaaaaaaaa">'
    '<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">'
    '<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">]>'
    '<w:document xmlns:w="%s"><w:body><w:p><w:r><w:t>&c;&c;&c;&c;</w:t></w:r></w:p>'
    '</w:body></w:document>' % W)), 'DTD')
add('path_traversal.docx', minimal(extra=[('../evil.xml', '<x/>')]), 'unsafe name')
add('absolute_path.docx', minimal(extra=[('/etc/evil.xml', '<x/>')]), 'unsafe name')
add('backslash_path.docx', minimal(extra=[('word\\..\\..\\evil.xml', '<x/>')]), 'unsafe name')
add('relationship_escape.docx', minimal(target='../../etc/passwd'), 'unsafe')
add('zip_bomb.docx', minimal(extra=[('word/media/filler.bin', b'\0' * (4 * 1024 * 1024))]),
    'zip bomb')
add('huge_entry.docx', minimal(extra=[('word/media/huge.bin', b'\0' * (33 * 1024 * 1024))]),
    'too large')
add('too_many_entries.docx',
    minimal(extra=[('word/media/f%04d.bin' % i, b'') for i in range(1001)]), 'too many entries')
add('case_duplicate.docx', minimal(extra=[('WORD/Document.xml', document(GOOD_BODY))]), 'twice')

# The document part's sizes claim 10 bytes although it expands to far more.
lying = minimal(document_xml=document(GOOD_BODY * 200))
add('lying_size.docx', patch_all(patch_all(lying, LOCAL, 22, '<I', 10), CENTRAL, 24, '<I', 10),
    'larger than its entry says')
# Every stored checksum is wrong.
add('bad_crc.docx', patch_all(patch_all(minimal(), LOCAL, 14, '<I', 0x12345678),
                              CENTRAL, 16, '<I', 0x12345678), 'damaged')
# The encryption flag is set on every entry.
add('encrypted.docx', patch_all(patch_all(minimal(), LOCAL, 6, '<H', 1), CENTRAL, 8, '<H', 1),
    'encrypted')
# An unknown compression method.
add('unknown_method.docx', patch_all(patch_all(minimal(), LOCAL, 8, '<H', 99), CENTRAL, 10,
                                     '<H', 99), 'not a valid zip')
add('huge_table.docx', minimal(document_xml=document(
    '<w:tbl><w:tblGrid>' + '<w:gridCol w:w="10"/>' * 5000 + '</w:tblGrid><w:tr><w:tc><w:p/>'
    '</w:tc></w:tr></w:tbl>')), 'table')
add('huge_span.docx', minimal(document_xml=document(
    '<w:tbl><w:tblGrid><w:gridCol w:w="10"/></w:tblGrid><w:tr><w:tc><w:tcPr>'
    '<w:gridSpan w:val="2000000000"/></w:tcPr><w:p/></w:tc></w:tr></w:tbl>')), 'gridSpan')
add('too_many_rows.docx', minimal(document_xml=document(
    '<w:tbl><w:tblGrid><w:gridCol w:w="10"/></w:tblGrid>' + '<w:tr/>' * 10001 + '</w:tbl>')),
    'too many rows')
add('huge_grid.docx', minimal(document_xml=document(
    '<w:tbl><w:tblGrid>' + '<w:gridCol w:w="10"/>' * 63 + '</w:tblGrid>' +
    '<w:tr><w:tc><w:tcPr><w:gridSpan w:val="63"/></w:tcPr><w:p/></w:tc></w:tr>' * 1000 +
    '</w:tbl>')), 'too many table cells')
add('deep_nesting.docx', minimal(document_xml=document(
    '<w:p>' + '<w:hyperlink>' * 5000 + '</w:hyperlink>' * 5000 + '</w:p>')), 'nested too deeply')
add('nested_table.docx', minimal(document_xml=document(
    '<w:tbl><w:tblGrid><w:gridCol w:w="10"/></w:tblGrid><w:tr><w:tc><w:tbl><w:tblGrid>'
    '<w:gridCol w:w="10"/></w:tblGrid><w:tr><w:tc><w:p/></w:tc></w:tr></w:tbl><w:p/></w:tc>'
    '</w:tr></w:tbl>')), 'nested')
add('bad_number.docx', minimal(document_xml=document(
    '<w:p><w:r><w:rPr><w:sz w:val="99999999999999999999"/></w:rPr><w:t>x</w:t></w:r></w:p>')),
    'w:sz')

if __name__ == '__main__':
    for old in os.listdir(HERE):
        if old.endswith('.docx'):
            os.remove(os.path.join(HERE, old))
    for name, data in corpus.items():
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(data)
    with open(os.path.join(HERE, 'expected.txt'), 'w') as f:
        f.write('# file<TAB>text the error description must contain\n')
        for name in sorted(expected):
            f.write('%s\t%s\n' % (name, expected[name]))
    print('wrote %d files' % len(corpus))
