#!/usr/bin/python3
"""Times the web page in headless Chromium beside the native lorvex-report on the same system.

usage: tests/web/measure_web.py [PAGE] [LORVEX_REPORT]
  (defaults build-web/lorvex.html and build/bin/lorvex-report)
Prints the page size, loading and showing a 9,999-row system of 49 numbers (from the file
chooser to the painted rows), "Komplett" on it (from the click to the painted hit table), and
"Abdeckung" and "Gewinnchancen" (from the click to the painted text), "Bauen" of 12 numbers
"4 wenn 5" at the default time (from the click to the painted rows), each the best of five,
then the native "Komplett" with its text report, --coverage and --odds.
"""
import pathlib
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no bytecode files in the source tree
from selenium.webdriver.common.by import By

from browser import click, open_file, open_page, start_browser, write_random_system

ROOT = pathlib.Path(__file__).resolve().parents[2]
RUNS = 5


def measured(driver, name):
    return driver.execute_script(
        f"const m = performance.getEntriesByName('{name}'); return m[m.length - 1].duration")


def main():
    page = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build-web/lorvex.html")
    report = sys.argv[2] if len(sys.argv) > 2 else str(ROOT / "build/bin/lorvex-report")
    with tempfile.TemporaryDirectory(prefix="lorvex-measure-") as scratch:
        system = write_random_system(pathlib.Path(scratch) / "9999.txt", 9999)
        driver = start_browser()
        try:
            loads, analyses, coverages, odds, builds = [], [], [], [], []
            for _ in range(RUNS):
                open_page(driver, page)
                open_file(driver, system)
                loads.append(measured(driver, "lorvex-load"))
                click(driver, "[data-only-block='0']")
                analyses.append(measured(driver, "lorvex-analyse"))
                click(driver, "#coverage-run")
                coverages.append(measured(driver, "lorvex-coverage"))
                click(driver, "#odds-run")
                odds.append(measured(driver, "lorvex-odds"))
                driver.find_element(By.ID, "build-numbers").send_keys("12")
                click(driver, "#build-run")
                builds.append(measured(driver, "lorvex-build"))
        finally:
            driver.quit()
        native = {option: [] for option in ("", "--coverage", "--odds")}
        for option, times in native.items():
            for _ in range(RUNS):
                start = time.perf_counter()
                subprocess.run([report, *([option] if option else []),
                                "-o", str(pathlib.Path(scratch) / "r.txt"), str(system)],
                               check=True)
                times.append((time.perf_counter() - start) * 1000)
    print(f"page file:                          {page.stat().st_size / 1e6:.3f} MB "
          f"({page.stat().st_size} bytes; at most 1.5 MB)")
    print(f"load and show 9,999 rows (page):    {min(loads):7.1f} ms (at most 300 ms)")
    print(f"Komplett, 49 numbers (page):        {min(analyses):7.1f} ms (at most 1000 ms)")
    print(f"Abdeckung, 49 numbers (page):       {min(coverages):7.1f} ms")
    print(f"Gewinnchancen, 49 numbers (page):   {min(odds):7.1f} ms")
    print(f"Bauen, 12 Zahlen 4 wenn 5 (page):   {min(builds):7.1f} ms (at most 5000 ms)")
    print(f"Komplett + text report (native):    {min(native['']):7.1f} ms (lorvex-report)")
    print(f"--coverage (native):                {min(native['--coverage']):7.1f} ms")
    print(f"--odds (native):                    {min(native['--odds']):7.1f} ms")


if __name__ == "__main__":
    main()
