#!/usr/bin/env python3
"""Puts the page's styles, scripts and WebAssembly into one HTML file that loads nothing.

The page's script comes in parts by concern (web/page/*.js: texts, engine bridge, tables,
charts, commands, questions, start); they are joined in the order given, into one scope.

The Content-Security-Policy allows exactly the inline style and script of this page (by their
hashes), compiling WebAssembly, and a worker from a blob: URL; every network request is refused.
"""
import argparse
import base64
import hashlib
import pathlib
import re
import sys

MAX_PAGE_BYTES = 1_500_000


def csp_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def inert(text, what):
    # An inline script ends at the first "</script", wherever it stands.
    if "</script" in text.lower():
        sys.exit(f"inline_page: {what} contains '</script'")
    return text


def page_script_of(parts):
    """The page's script parts joined into one scope, which nothing outside the page sees."""
    joined = "\n".join(f"// --- {part.name} ---\n" + part.read_text(encoding="utf-8")
                       for part in parts)
    return "'use strict';\n(() => {\n" + joined + "})();\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for name in ("template", "css", "worker-js", "engine-js", "wasm", "output"):
        parser.add_argument("--" + name, required=True, type=pathlib.Path)
    parser.add_argument("--page-js", required=True, type=pathlib.Path, nargs="+",
                        help="the page script's parts, in the order they are joined")
    args = parser.parse_args()

    style = args.css.read_text(encoding="utf-8")
    page_script = inert(page_script_of(args.page_js), "the page script")
    worker_script = inert(args.worker_js.read_text(encoding="utf-8"), "the worker script")
    engine_script = inert(args.engine_js.read_text(encoding="utf-8"), "the engine script")
    wasm = base64.b64encode(args.wasm.read_bytes()).decode("ascii")

    csp = "; ".join([
        "default-src 'none'",
        f"script-src {csp_hash(page_script)} 'wasm-unsafe-eval'",
        f"style-src {csp_hash(style)}",
        "img-src data:",
        "worker-src blob:",
        "connect-src 'none'",
        "form-action 'none'",
        "base-uri 'none'",
    ])
    parts = {"CSP": csp, "STYLE": style, "ENGINE": engine_script, "WORKER": worker_script,
             "WASM": wasm, "PAGE": page_script}
    template = args.template.read_text(encoding="utf-8")
    for marker in parts:
        if template.count(f"@{marker}@") != 1:
            sys.exit(f"inline_page: the template needs @{marker}@ exactly once")
    # One pass, so that no inserted text is searched for markers again.
    html = re.sub("@(" + "|".join(parts) + ")@", lambda match: parts[match.group(1)], template)

    data = html.encode("utf-8")
    if len(data) > MAX_PAGE_BYTES:
        sys.exit(f"inline_page: the page has {len(data)} bytes, more than {MAX_PAGE_BYTES}")
    args.output.write_bytes(data)
    print(f"{args.output}: {len(data)} bytes")


if __name__ == "__main__":
    main()
