#!/usr/bin/python3
"""Opens a .docx with python-docx and prints what it sees as JSON, for the C++ tests to
compare with the document they saved:

    {"paragraphs": [{"text": ..., "style": ..., "runs": [{"text", "bold", "size"}]}],
     "tables": [[[cell text, ...], ...], ...],
     "sections": n}

Given several files, it prints one line per file instead, in order:

    {"file": ..., "paragraphs": [paragraph text, ...]}   or   {"file": ..., "error": ...}

Exit status 2 when python-docx is missing, 1 when a file cannot be opened.
"""
import json
import sys

try:
    import docx
except ImportError:
    print("python-docx is not installed", file=sys.stderr)
    sys.exit(2)


def describe_run(run):
    return {
        "text": run.text,
        "bold": run.bold,
        "size": run.font.size.pt if run.font.size is not None else None,
        "font": run.font.name,
    }


def paragraph_texts(files):
    status = 0
    for name in files:
        try:
            document = docx.Document(name)
            line = {"file": name, "paragraphs": [p.text for p in document.paragraphs]}
        except Exception as error:  # python-docx raises several kinds
            line = {"file": name, "error": str(error)}
            status = 1
        print(json.dumps(line, ensure_ascii=False))
    return status


def main():
    if len(sys.argv) > 2:
        return paragraph_texts(sys.argv[1:])
    if len(sys.argv) != 2:
        print("usage: check_docx.py FILE...", file=sys.stderr)
        return 64
    try:
        document = docx.Document(sys.argv[1])
    except Exception as error:  # python-docx raises several kinds
        print("cannot open: %s" % error, file=sys.stderr)
        return 1
    result = {
        "paragraphs": [{
            "text": p.text,
            "style": p.style.name if p.style is not None else None,
            "runs": [describe_run(r) for r in p.runs],
        } for p in document.paragraphs],
        "tables": [[[cell.text for cell in row.cells] for row in table.rows]
                   for table in document.tables],
        "sections": len(document.sections),
    }
    json.dump(result, sys.stdout, ensure_ascii=False)
    return 0


if __name__ == "__main__":
    sys.exit(main())
