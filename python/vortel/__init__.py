"""Vortel's renderer in Python.

A job is a dict with the keys of one JSON-lines job of ``vortel-cli batch`` except ``output``::

    import vortel
    picture = vortel.render({"text": "Hallo", "size": "640x480", "presets": {"bevel": 3, "shadow": 2}})
    vortel.save({"text": "Hallo", "presets": {"style": 24}}, "gold.png")

``render`` returns the picture as a NumPy array (height x width x 3, or x 4 with
``"transparent": True``), ``save`` writes any format the command line writes. Calls release the
interpreter lock while they render, so a ``concurrent.futures.ThreadPoolExecutor`` renders on all
cores. Failures raise ``JobError`` (a ``ValueError``) for a job that cannot be rendered as given,
``WarpRefused`` (a ``JobError``) when the text cannot be warped into the guides, and ``FileError``
(an ``OSError``) for files, fonts and images; all are ``vortel.Error``.
"""

from ._vortel import (
    Error,
    FileError,
    JobError,
    RenderWarning,
    WarpRefused,
    inspect,
    render,
    resources,
    save,
    styles,
)

__all__ = [
    "Error",
    "FileError",
    "JobError",
    "RenderWarning",
    "WarpRefused",
    "inspect",
    "render",
    "resources",
    "save",
    "styles",
]
