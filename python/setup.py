# Builds the package's native module with the repository's CMake build (option
# QALT2MORV_BUILD_PYTHON) for the interpreter that runs this build, then ships it with the
# package. Extra CMake arguments: the environment variable QALT2MORV_CMAKE_ARGS.
import os
import pathlib
import re
import shlex
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent


def project_version() -> str:
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(qalt2morv\s+VERSION\s+([0-9.]+)", text).group(1)


class CMakeExtension(Extension):
    def __init__(self, name: str):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extension(self, ext: Extension) -> None:
        if not (ROOT / "src" / "CMakeLists.txt").is_file():
            raise RuntimeError(f"the qalt2morv sources are not beside {HERE}: build from a clone of the repository")
        build_dir = pathlib.Path(self.build_temp).resolve() / "cmake"
        configure = ["cmake", "-S", str(ROOT), "-B", str(build_dir),
                     "-DCMAKE_BUILD_TYPE=Release",
                     "-DQALT2MORV_BUILD_PYTHON=ON", "-DQALT2MORV_BUILD_TESTS=OFF", "-DQALT2MORV_BUILD_CLI=OFF",
                     f"-DPython3_EXECUTABLE={sys.executable}"]
        configure += shlex.split(os.environ.get("QALT2MORV_CMAKE_ARGS", ""))
        subprocess.check_call(configure)
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", str(os.cpu_count() or 1))
        subprocess.check_call(["cmake", "--build", str(build_dir), "--target", "qalt2morv_python", "-j", jobs])
        built = sorted((build_dir / "python" / "qalt2morv").glob("_native*"))
        if len(built) != 1:
            raise RuntimeError(f"expected one native module in {build_dir / 'python' / 'qalt2morv'}, found {built}")
        destination = pathlib.Path(self.get_ext_fullpath(ext.name))
        destination.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built[0], destination)


setup(version=project_version(),
      ext_modules=[CMakeExtension("qalt2morv._native")],
      cmdclass={"build_ext": CMakeBuild})
