#!/usr/bin/python3
"""Screenshots of the page for looking at it by eye: a desktop window, a 360 x 740 phone and
the dark colour scheme, each after loading a bundled system and "Komplett", then with the
questions after the hit table answered, then with a system built under "System bauen".

usage: tests/web/screenshots.py OUTPUT_FOLDER [PAGE] [SYSTEM]
"""
import pathlib
import sys
import time

sys.dont_write_bytecode = True  # no bytecode files in the source tree
from selenium.webdriver.common.by import By

from browser import click, open_file, open_page, start_browser

ROOT = pathlib.Path(__file__).resolve().parents[2]

VIEWS = [
    ("desktop", 1280, 900, False),
    ("tall", 1280, 1180, False),
    ("phone", 360, 740, False),
    ("dark", 1280, 900, True),
    ("phone-dark", 360, 740, True),
]


def answer_questions(driver):
    click(driver, "#coverage-run")
    click(driver, "#odds-run")
    driver.find_element(By.ID, "own-numbers").send_keys("3 8 12 17 21 25 30 36 41 49")
    click(driver, "#map-run")
    driver.find_element(By.ID, "draw-numbers").send_keys("3 8 12 17 21 25")
    click(driver, "#check-run")


def build_system(driver):
    driver.find_element(By.ID, "build-numbers").send_keys("12")
    click(driver, "#build-run")
    driver.execute_script("document.getElementById('build').scrollIntoView()")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = pathlib.Path(sys.argv[1])
    page = sys.argv[2] if len(sys.argv) > 2 else ROOT / "build-web/lorvex.html"
    system = sys.argv[3] if len(sys.argv) > 3 else ROOT / "resources/examples/C10_6_5_50.txt"
    folder.mkdir(parents=True, exist_ok=True)
    for name, width, height, dark in VIEWS:
        driver = start_browser(width, height, dark)
        try:
            driver.set_window_size(width, height)
            open_page(driver, page)
            open_file(driver, system)
            click(driver, "[data-only-block='0']")
            time.sleep(0.2)
            driver.save_screenshot(str(folder / f"web-{name}.png"))
            driver.execute_script("document.getElementById('blocks').scrollIntoView()")
            time.sleep(0.2)
            driver.save_screenshot(str(folder / f"web-{name}-blocks.png"))
            answer_questions(driver)
            driver.execute_script("document.getElementById('player-questions').scrollIntoView()")
            time.sleep(0.2)
            driver.save_screenshot(str(folder / f"web-{name}-questions.png"))
            build_system(driver)
            time.sleep(0.2)
            driver.save_screenshot(str(folder / f"web-{name}-build.png"))
            print(*(folder / f"web-{name}{part}.png"
                    for part in ("", "-blocks", "-questions", "-build")))
        finally:
            driver.quit()


if __name__ == "__main__":
    main()
