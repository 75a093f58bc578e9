# Package settings for cpack.
