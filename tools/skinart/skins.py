"""The skins skinart draws. Each is the default skin's colours and sizes
with its own put in their place; use() must run before the art modules are
imported, because they build their looks from palette and geometry then."""

import geometry
import palette

# name -> (folder under skins/, colours, sizes); the default changes nothing.
SKINS = {
    "default": ("default", {}, {}),
    "midnight": ("midnight", palette.MIDNIGHT, geometry.MIDNIGHT),
}


def use(name):
    """Make `name` the skin being drawn; returns its folder name."""
    folder, colours, sizes = SKINS[name]
    for module, values in ((palette, colours), (geometry, sizes)):
        for key, value in values.items():
            if not hasattr(module, key):
                raise KeyError(f"{name}: {module.__name__} has no {key}")
            setattr(module, key, value)
    return folder
