import os
from typing import Any, Mapping, Sequence, TypedDict, Union

import numpy as np
import numpy.typing as npt

_Path = Union[str, os.PathLike[str]]

class Job(TypedDict, total=False):
    """The keys of one JSON-lines job of `vortel-cli batch`, without "output"."""

    text: str
    size: Union[str, Sequence[int]]
    inputs: Union[_Path, Sequence[_Path]]
    presets: Mapping[str, Union[int, str, bool]]
    settings: Union[Mapping[str, Any], Sequence[str]]
    textures: Mapping[str, _Path]
    imprint: _Path
    quality: str
    transparent: bool
    # Only save() writes with these; render() accepts and ignores them.
    # "jpeg-quality": int, "png-effort": "small" | "fast"

class Resource(TypedDict):
    type: str
    name: str
    kind: str
    bytes: int

class Style(TypedDict):
    style: int
    text: str

class Error(Exception):
    """Everything Vortel refuses or fails at; the message is the command line's."""

class JobError(Error, ValueError):
    """The job cannot be rendered as given (the command line's exit status 2)."""

class FileError(Error, OSError):
    """A file, font or image could not be read or written (exit status 1)."""

class WarpRefused(JobError):
    """The text could not be laid out or warped into the guides (exit status 3)."""

class RenderWarning(UserWarning):
    """What the engine said during a render that succeeded."""

def render(job: Mapping[str, Any]) -> npt.NDArray[np.uint8]:
    """The job's picture, height x width x 3 (RGB) or x 4 (RGBA with "transparent"), uint8."""

def save(job: Mapping[str, Any], path: _Path) -> None:
    """Renders the job and writes it to `path` by its extension, as `vortel-cli render -o` does."""

def inspect(job: Mapping[str, Any]) -> dict[str, Any]:
    """The engine state after layout and warp, as `vortel-cli inspect --json` prints it."""

def resources() -> list[Resource]:
    """The stock images `vortel-cli resources` lists."""

def styles() -> list[Style]:
    """The main styles 0..45 with the text each brings."""
