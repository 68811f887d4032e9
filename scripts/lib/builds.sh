# shellcheck shell=bash
# The set-up that the scripts' builds share, written once so that every script
# builds alike. Sourced by each script that builds, once it has changed to the top
# of the source tree:
#
#   build_jobs
#       How many jobs a build or a test run takes at once: one a processor.

# shellcheck disable=SC2034 # read by the scripts that source this
build_jobs=$(nproc)
