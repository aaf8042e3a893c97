#!/usr/bin/env python3
"""Check Brambleton multiple-choice worksheet files.

A worksheet is 72 records, each ended by CR LF:
  1      the title
  2      a single space
  3..72  ten questions of seven records each: question, answers A-D,
         the right answer as a digit 1-4, and a single space.
No record may hold a comma (the quiz shows "&" as a comma).

Usage: check_worksheet.py FILE [FILE ...]
Exit status is 0 when every file passes.
"""
import sys

RECORDS = 72
QUESTIONS = 10
MAX_QUESTION = 90
MAX_ANSWER = 35


def check(path):
    errors, warnings = [], []
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode("cp1252")
    except UnicodeDecodeError as e:
        return ["not valid Windows-1252: %s" % e], warnings
    if any(b > 127 for b in data):
        warnings.append("holds non-ASCII bytes")
    if not text.endswith("\r\n"):
        errors.append("last record is not ended by CR LF")
    body = text[:-2] if text.endswith("\r\n") else text
    records = body.split("\r\n")
    for i, r in enumerate(records, 1):
        if "\r" in r or "\n" in r:
            errors.append("record %d: stray CR or LF (line ends must be CR LF)" % i)
    if len(records) != RECORDS:
        errors.append("has %d records, wants %d" % (len(records), RECORDS))
        return errors, warnings
    if not records[0].strip():
        errors.append("record 1: title is empty")
    if records[1] != " ":
        errors.append("record 2: must be a single space")
    for i, r in enumerate(records, 1):
        if "," in r:
            errors.append("record %d: holds a comma: %r" % (i, r))
        if r.startswith('"'):
            errors.append("record %d: starts with a double quote" % i)
    for q in range(QUESTIONS):
        base = 2 + q * 7
        question = records[base]
        answers = records[base + 1:base + 5]
        digit = records[base + 5]
        spare = records[base + 6]
        n = q + 1
        if not question.strip():
            errors.append("question %d: text is empty" % n)
        elif len(question) > MAX_QUESTION:
            warnings.append("question %d: %d characters (long)" % (n, len(question)))
        for letter, a in zip("ABCD", answers):
            if not a.strip():
                errors.append("question %d: answer %s is empty" % (n, letter))
            elif len(a) > MAX_ANSWER:
                warnings.append("question %d: answer %s is %d characters (long)" % (n, letter, len(a)))
        if len({a.strip().lower() for a in answers}) != 4:
            errors.append("question %d: two answers are the same" % n)
        if digit not in ("1", "2", "3", "4"):
            errors.append("question %d (record %d): right answer %r is not 1-4" % (n, base + 6, digit))
        if spare != " ":
            errors.append("question %d (record %d): spare record must be a single space" % (n, base + 7))
    return errors, warnings


def main(paths):
    if not paths:
        print(__doc__.strip())
        return 2
    bad = 0
    for path in paths:
        try:
            errors, warnings = check(path)
        except OSError as e:
            errors, warnings = [str(e)], []
        for w in warnings:
            print("%s: warning: %s" % (path, w))
        for e in errors:
            print("%s: error: %s" % (path, e))
        if errors:
            bad += 1
        else:
            print("%s: OK" % path)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
