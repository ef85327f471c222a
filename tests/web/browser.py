"""Debian's headless Chromium with a fresh profile, downloads into a folder of our own, and
nothing fetched from the network by the browser itself."""
import pathlib
import random
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"


def start_browser(width=1280, height=900, dark=False):
    profile = tempfile.mkdtemp(prefix="lorvex-web-profile-")
    downloads = pathlib.Path(tempfile.mkdtemp(prefix="lorvex-web-downloads-"))
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--no-first-run", "--disable-default-apps",
                     f"--user-data-dir={profile}", f"--window-size={width},{height}"):
        options.add_argument(argument)
    if dark:
        options.add_argument("--force-dark-mode")
        options.add_argument("--blink-settings=preferredColorScheme=0")
    options.add_experimental_option("prefs", {
        "download.default_directory": str(downloads),
        "download.prompt_for_download": False,
        "safebrowsing.enabled": False,
    })
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    driver.execute_cdp_cmd("Page.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": str(downloads)})
    driver.downloads = downloads
    return driver


def open_page(driver, page):
    driver.get(pathlib.Path(page).resolve().as_uri())
    wait_idle(driver)


def wait_idle(driver, timeout=30):
    WebDriverWait(driver, timeout).until(
        lambda d: d.find_element(By.TAG_NAME, "body").get_attribute("data-state") == "idle")


def open_file(driver, path):
    """Chooses `path` in the "Öffnen..." file chooser and waits for the load to end."""
    driver.find_element(By.ID, "open-file").send_keys(str(pathlib.Path(path).resolve()))
    time.sleep(0.05)
    wait_idle(driver)


def click(driver, selector, timeout=60):
    driver.find_element(By.CSS_SELECTOR, selector).click()
    time.sleep(0.05)
    wait_idle(driver, timeout)


def wait_download(driver, name, timeout=20):
    path = driver.downloads / name
    deadline = time.time() + timeout
    while time.time() < deadline:
        if path.exists() and not list(driver.downloads.glob("*.crdownload")):
            return path.read_bytes()
        time.sleep(0.1)
    raise AssertionError(f"no download {name}; folder holds "
                         f"{sorted(p.name for p in driver.downloads.iterdir())}")


def write_random_system(path, rows, seed=12):
    """`rows` rows of six distinct numbers from 1 to 49, 49 always among them."""
    generator = random.Random(seed)
    lines = ["1 2 3 4 5 49"]
    for _ in range(rows - 1):
        lines.append(" ".join(str(n) for n in sorted(generator.sample(range(1, 50), 6))))
    path.write_text("\n".join(lines) + "\n", encoding="ascii")
    return path
