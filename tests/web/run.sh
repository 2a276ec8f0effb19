#!/bin/sh
# Runs the browser test of the web page: installs the node modules from package-lock.json when they
# are missing (puppeteer-core only, no browser download), then the test.
#   tests/web/run.sh                              against build/bin/vortel-server
#   VORTEL_SERVER_CMD='/path/vortel-server --listen 127.0.0.1:{port}' tests/web/run.sh
set -eu
cd "$(dirname "$0")"
if [ ! -d node_modules/puppeteer-core ]; then
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
fi
exec node page.test.mjs "$@"
