#!/bin/sh
# Runs the browser test of the web page: installs the node modules from package-lock.json when they
# are missing (puppeteer-core only, no browser download), then the test.
#   VORTEL_BUILD=build tests/web/run.sh          the preview server on the module in build/python
#   VORTEL_SERVER_CMD='build/bin/vortel-server --port {port}' tests/web/run.sh
set -eu
cd "$(dirname "$0")"
if [ ! -d node_modules/puppeteer-core ]; then
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
fi
exec node page.test.mjs "$@"
